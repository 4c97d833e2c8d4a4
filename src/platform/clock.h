// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kok::platform {

// Local date and time of day, broken down, and the same instant in real time.
struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, msec = 0;
    int usec = 0;    // microseconds past msec, for ticks that aim finer than a millisecond
    int weekDay = 6; // 0 = Sunday ... 6 = Saturday
    // Seconds since 1970-01-01 00:00 UTC: elapsed time that daylight saving
    // and time zones do not bend.
    std::int64_t utc = 0;

    int secondOfDay() const { return hour * 3600 + minute * 60 + second; }
};

// The one source of wall-clock time. Tests install their own to hold time still.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

const Clock& clock();

// Installs `c` as the process clock for the lifetime of the override.
class ClockOverride {
  public:
    explicit ClockOverride(const Clock& c);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

  private:
    const Clock* previous_;
};

} // namespace kok::platform
