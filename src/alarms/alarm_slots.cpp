// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarm_slots.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstdio>

namespace kok::alarm {

namespace keys = settings::alarms;

AlarmSettings readAlarmSettings(const settings::IniUpdate& ini) {
    const auto section = keys::kName;
    AlarmSettings a;
    a.accuracySeconds = ini.readInteger(section, keys::kAccuracy, keys::kAccuracyDefault);
    for (int n = 0; n < kSlotCount; ++n) {
        const auto key = [n](std::string_view suffix) { return keys::slotKey(n, suffix); };
        AlarmSlot& s = a.slot[n];
        s.use = ini.readFlag(section, key(keys::kUse), keys::kUseDefault);
        s.hour = ini.readInteger(section, key(keys::kHour), keys::kHourCheckDefault);
        s.captionHour = ini.readInteger(section, key(keys::kHour), keys::kHourMenuDefault);
        s.minute = ini.readInteger(section, key(keys::kMinute), keys::kMinuteDefault);
        // A hand-edited warning is kept within the alarm page's range.
        s.warn = std::clamp(ini.readInteger(section, key(keys::kWarn), keys::kWarnCheckDefault),
                            keys::kWarnMin, keys::kWarnMax);
        s.atOnce = ini.readFlag(section, key(keys::kAtOnce), keys::kAtOnceDefault);
        s.atDate = ini.readFlag(section, key(keys::kAtDate), keys::kAtDateDefault);
        s.atWeek = ini.readFlag(section, key(keys::kAtWeek), keys::kAtWeekCheckDefault);
        // A missing date stands for the day it is read on, which is every day:
        // kept empty, so that an alarm missed before midnight matches its own day.
        if (ini.hasKey(section, key(keys::kDate)))
            s.date = ini.readString(section, key(keys::kDate), "");
        for (int d = 0; d < 7; ++d)
            s.weekDays[d] = ini.readFlag(section, keys::weekDayKey(n, d), keys::kAtWeekDayDefault);
    }
    return a;
}

std::string dateText(const platform::LocalTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d", t.day, t.month);
    return text;
}

std::string menuCaption(int slot, const AlarmSlot& s) {
    return std::to_string(slot) + ".   " + std::to_string(s.captionHour) +
           platform::trText("ClockMenu", QT_TRANSLATE_NOOP("ClockMenu", " ч ")) +
           std::to_string(s.minute) +
           platform::trText("ClockMenu", QT_TRANSLATE_NOOP("ClockMenu", " м "));
}

bool dueOn(const AlarmSlot& s, const platform::LocalTime& day) {
    return s.atOnce || (s.atDate && (s.date.empty() || s.date == dateText(day))) ||
           (s.atWeek && day.weekDay >= 0 && day.weekDay < 7 && s.weekDays[day.weekDay]);
}

int activeSlots(const AlarmSettings& a) {
    int count = 0;
    for (const AlarmSlot& s : a.slot)
        count += s.use ? 1 : 0;
    return count;
}

} // namespace kok::alarm
