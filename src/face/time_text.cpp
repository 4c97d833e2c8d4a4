// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/time_text.h"

#include <charconv>
#include <iterator>

namespace kok::clock {
namespace {

// At least two digits, as "%02lld" gives them; without printf's format
// parsing, which every clock tick would pay for three times.
std::string twoDigits(long long v) {
    char buf[24];
    char* end = buf;
    if (v >= 0 && v < 10) *end++ = '0';
    end = std::to_chars(end, std::end(buf), v).ptr;
    return std::string(buf, end);
}

// Just past the boundary: the tick timer never fires early, and the reading
// comes before the timer is armed.
constexpr std::chrono::microseconds kTickMargin(100);

} // namespace

std::string timeText(const platform::LocalTime& t) {
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string FormatDuration(long long seconds, bool showSeconds) {
    if (seconds < 0) seconds += 86400;
    std::string text = twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60);
    if (showSeconds) text += ":" + twoDigits(seconds % 3600 % 60);
    return text;
}

std::string idleIndicatorText(bool asZero, bool asNone) {
    if (asZero) return "00:00:00";
    if (asNone) return "--:--:--";
    return {};
}

std::chrono::microseconds untilNextTick(const platform::LocalTime& now, int periodSeconds) {
    using std::chrono::microseconds, std::chrono::milliseconds, std::chrono::seconds;
    const microseconds intoPeriod = seconds(now.secondOfDay() % periodSeconds) +
                                    milliseconds(now.msec) + microseconds(now.usec);
    return seconds(periodSeconds) - intoPeriod + kTickMargin;
}

} // namespace kok::clock
