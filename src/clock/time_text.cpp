#include "clock/time_text.h"

#include <cstdio>

namespace kok::clock {
namespace {

std::string twoDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02lld", v);
    return buf;
}

// A few milliseconds past the boundary, so that a timer that fires marginally
// early still reads the new second.
constexpr int kTickMarginMs = 3;

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

int msUntilNextTick(const platform::LocalTime& now, int periodSeconds) {
    const int intoPeriod = now.secondOfDay() % periodSeconds * 1000 + now.msec;
    return periodSeconds * 1000 - intoPeriod + kTickMarginMs;
}

} // namespace kok::clock
