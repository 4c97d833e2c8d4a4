// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "alarms/next_alarm.h"

namespace {

using kok::alarm::AlarmSettings;
using kok::alarm::AlarmSlot;
using kok::alarm::nextAlarmText;

AlarmSlot slotAt(int hour, int minute) {
    AlarmSlot s;
    s.use = true;
    s.hour = hour;
    s.minute = minute;
    return s;
}

TEST(NextAlarm, NamesTheNextSlotToRing) {
    // Thursday 10 December 2026, 07:30:20.
    kok::platform::LocalTime now;
    now.year = 2026, now.month = 12, now.day = 10, now.hour = 7, now.minute = 30, now.second = 20;
    now.weekDay = 4;

    AlarmSettings a;
    EXPECT_EQ(nextAlarmText(a, now), ""); // none switched on

    a.slot[5] = slotAt(7, 30); // this minute has begun: not next
    a.slot[5].atOnce = true;
    EXPECT_EQ(nextAlarmText(a, now), "5 11.12 07:30");

    a.slot[2] = slotAt(9, 0);
    a.slot[2].atWeek = true;
    a.slot[2].weekDays[1] = true; // Mondays only
    EXPECT_EQ(nextAlarmText(a, now), "5 11.12 07:30");

    a.slot[1] = slotAt(8, 15);
    a.slot[1].atDate = true;
    a.slot[1].date = "10.12"; // today
    EXPECT_EQ(nextAlarmText(a, now), "1 08:15");

    a.slot[1].use = false;
    a.slot[5].use = false;
    EXPECT_EQ(nextAlarmText(a, now), "2 14.12 09:00"); // the next Monday

    a.slot[2].use = false;
    a.slot[7] = slotAt(6, 0);
    a.slot[7].atDate = true;
    a.slot[7].date = "01.01"; // next year's first day
    EXPECT_EQ(nextAlarmText(a, now), "7 01.01 06:00");

    a.slot[7].date = "31.02"; // never comes
    EXPECT_EQ(nextAlarmText(a, now), "");

    // Two at one minute: the lower slot.
    a.slot[8] = slotAt(23, 59);
    a.slot[8].atOnce = true;
    a.slot[4] = slotAt(23, 59);
    a.slot[4].atOnce = true;
    EXPECT_EQ(nextAlarmText(a, now), "4 23:59");
}

} // namespace
