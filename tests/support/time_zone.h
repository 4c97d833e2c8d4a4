// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixed local time zone (Europe/Berlin's rules) for tests, with its 2026 daylight-saving days.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace kok::test {

// Europe/Berlin as a POSIX rule, so that no time zone database is needed:
// UTC+1, daylight saving (UTC+2) from the last Sunday of March 02:00 to the
// last Sunday of October 03:00.
inline constexpr const char* kBerlinZone = "CET-1CEST,M3.5.0,M10.5.0/3";

// On `day`, local time jumps from hourBefore:00 straight to hourAfter:00.
struct DaylightSavingChange {
    int year, month, day;
    int hourBefore, hourAfter;
};
inline constexpr DaylightSavingChange kSpringForward{2026, 3, 29, 2, 3};
inline constexpr DaylightSavingChange kFallBack{2026, 10, 25, 3, 2};

// Sets TZ for the whole process while it lives; the previous TZ comes back after.
class FixedTimeZone {
  public:
    explicit FixedTimeZone(const char* zone = kBerlinZone) {
        if (const char* tz = std::getenv("TZ")) previous_ = tz;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~FixedTimeZone() {
        if (previous_)
            ::setenv("TZ", previous_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    FixedTimeZone(const FixedTimeZone&) = delete;
    FixedTimeZone& operator=(const FixedTimeZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

} // namespace kok::test
