// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>

#include "face/time_text.h"

using kok::clock::FormatDuration;
using kok::clock::idleIndicatorText;
using kok::clock::timeText;
using kok::clock::untilNextTick;
using kok::platform::LocalTime;

TEST(FormatDuration, HoursMinutesAndSeconds) {
    EXPECT_EQ(FormatDuration(0, true), "00:00:00");
    EXPECT_EQ(FormatDuration(0, false), "00:00");
    EXPECT_EQ(FormatDuration(3725, true), "01:02:05");
    EXPECT_EQ(FormatDuration(3725, false), "01:02");
    EXPECT_EQ(FormatDuration(-60, true), "23:59:00");
    EXPECT_EQ(FormatDuration(-1, true), "23:59:59");
    EXPECT_EQ(FormatDuration(25 * 3600, true), "25:00:00");
    EXPECT_EQ(FormatDuration(100 * 3600 + 61, true), "100:01:01");
    EXPECT_EQ(FormatDuration(86399, true), "23:59:59");
}

TEST(TimeText, TwentyFourHourClock) {
    LocalTime t;
    t.hour = 9, t.minute = 5, t.second = 7;
    EXPECT_EQ(timeText(t), "09:05:07");
    t.hour = 21;
    EXPECT_EQ(timeText(t), "21:05:07");
    t.hour = 0, t.minute = 0, t.second = 0;
    EXPECT_EQ(timeText(t), "00:00:00");
}

TEST(IdleIndicator, ZeroWinsOverNone) {
    EXPECT_EQ(idleIndicatorText(true, true), "00:00:00");
    EXPECT_EQ(idleIndicatorText(true, false), "00:00:00");
    EXPECT_EQ(idleIndicatorText(false, true), "--:--:--");
    EXPECT_EQ(idleIndicatorText(false, false), "");
}

// Within a fraction of a millisecond past the boundary, from a reading to
// the microsecond.
TEST(ClockTick, LandsJustAfterTheNextSecondBoundary) {
    LocalTime t;
    for (auto [ms, us] : {std::pair{0, 0}, {1, 500}, {499, 999}, {999, 999}}) {
        t.msec = ms;
        t.usec = us;
        const auto arrivalUs = ms * 1000 + us + untilNextTick(t).count();
        EXPECT_GT(arrivalUs, 1000000) << ms << "." << us;
        EXPECT_LE(arrivalUs, 1000250) << ms << "." << us;
    }
}

// Checks every few seconds land just after the period's boundaries of the day.
TEST(MsUntilNextTick, LandsOnThePeriodsBoundaries) {
    struct Row {
        int hour, minute, second, msec, period, landsOnSecond;
    };
    for (const Row& r : {Row{8, 0, 0, 0, 5, 5}, Row{8, 0, 4, 999, 5, 5}, Row{8, 0, 7, 250, 5, 10},
                         Row{8, 0, 59, 500, 10, 60}, Row{23, 59, 58, 0, 5, 60}}) {
        LocalTime t;
        t.hour = r.hour;
        t.minute = r.minute;
        t.second = r.second;
        t.msec = r.msec;
        const auto arrivalUs =
            (t.second * 1000 + t.msec) * 1000LL + untilNextTick(t, r.period).count();
        EXPECT_GT(arrivalUs, r.landsOnSecond * 1000000LL) << r.second << "." << r.msec;
        EXPECT_LE(arrivalUs, r.landsOnSecond * 1000000LL + 250) << r.second << "." << r.msec;
    }
}
