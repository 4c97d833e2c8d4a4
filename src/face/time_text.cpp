// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/time_text.h"

#include <cstdio>

namespace kok::clock {
namespace {

std::string twoDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02lld", v);
    return buf;
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
