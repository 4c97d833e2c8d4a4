#pragma once

#include <string>

#include "platform/clock.h"

namespace kok::clock {

// "hh:nn:ss", 24-hour clock.
std::string timeText(const platform::LocalTime& t);

// Seconds as "hh:nn" or "hh:nn:ss"; a negative count is wrapped once by a day.
// Hours take as many digits as they need beyond two.
std::string FormatDuration(long long seconds, bool showSeconds);

// Text of an idle second indicator.
std::string idleIndicatorText(bool asZero, bool asNone);

// Delay for the next clock tick, landing just after the next second boundary
// so that the shown second changes with the system clock's.
int msUntilNextTick(const platform::LocalTime& now);

} // namespace kok::clock
