// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A settable process clock for tests: one instant, shown as local time in the process's zone.

#include <cstdint>
#include <ctime>

#include "platform/clock.h"

namespace kok::test {

// Is the process clock while it lives. Moving it goes through the C library's
// calendar, so minutes, days, months, years, week days and daylight-saving
// changes roll over as they do on the real clock.
class TestClock final : public platform::Clock {
  public:
    TestClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        set(year, month, day, hour, minute, second);
    }

    // A local time that the zone skips (spring forward) lands after the gap.
    void set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
             int msec = 0) {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        t.tm_isdst = -1;
        msSinceEpoch_ = std::int64_t(::mktime(&t)) * 1000 + msec;
    }
    void advanceSeconds(std::int64_t seconds) { msSinceEpoch_ += seconds * 1000; }
    void advanceMs(std::int64_t ms) { msSinceEpoch_ += ms; }

    platform::LocalTime now() const override {
        const std::int64_t ms = (msSinceEpoch_ % 1000 + 1000) % 1000; // also before 1970
        const auto seconds = std::time_t((msSinceEpoch_ - ms) / 1000);
        std::tm t{};
        ::localtime_r(&seconds, &t);
        platform::LocalTime lt;
        lt.year = t.tm_year + 1900;
        lt.month = t.tm_mon + 1;
        lt.day = t.tm_mday;
        lt.hour = t.tm_hour;
        lt.minute = t.tm_min;
        lt.second = t.tm_sec;
        lt.msec = int(ms);
        lt.weekDay = t.tm_wday;
        lt.utc = seconds;
        return lt;
    }

  private:
    std::int64_t msSinceEpoch_ = 0;
    platform::ClockOverride use_{*this};
};

} // namespace kok::test
