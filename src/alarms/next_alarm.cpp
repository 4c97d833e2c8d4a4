// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/next_alarm.h"

#include <QDate>
#include <cstdio>

namespace kok::alarm {

std::string nextAlarmText(const AlarmSettings& alarms, const platform::LocalTime& now) {
    const QDate today(now.year, now.month, now.day);
    const int nowMinute = now.hour * 60 + now.minute;
    for (int offset = 0; offset <= 366; ++offset) {
        const QDate date = today.addDays(offset);
        platform::LocalTime day;
        day.year = date.year();
        day.month = date.month();
        day.day = date.day();
        day.weekDay = date.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
        int best = -1;
        int bestMinute = 24 * 60;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const AlarmSlot& s = alarms.slot[slot];
            const int minute = s.hour * 60 + s.minute;
            if (!s.use || !dueOn(s, day) || (offset == 0 && minute <= nowMinute)) continue;
            if (minute < bestMinute) {
                best = slot;
                bestMinute = minute;
            }
        }
        if (best < 0) continue;
        char text[32];
        if (offset == 0)
            std::snprintf(text, sizeof text, "%d %02d:%02d", best, bestMinute / 60,
                          bestMinute % 60);
        else
            std::snprintf(text, sizeof text, "%d %s %02d:%02d", best, dateText(day).c_str(),
                          bestMinute / 60, bestMinute % 60);
        return text;
    }
    return {};
}

} // namespace kok::alarm
