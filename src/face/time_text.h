// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
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
// so that the shown second changes with the system clock's. With a period of
// several seconds, just after the next boundary of that many seconds of the
// day (0, 5, 10 ... for 5).
std::chrono::microseconds untilNextTick(const platform::LocalTime& now, int periodSeconds = 1);

} // namespace kok::clock
