// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "platform/clock.h"
#include "settings/ini_file.h"
#include "settings/keys.h"

namespace kok::alarm {

inline constexpr int kSlotCount = settings::alarms::kSlotCount;

// One alarm slot as the schedule check reads it, with the check's defaults.
struct AlarmSlot {
    bool use = false;
    int hour = settings::alarms::kHourCheckDefault;
    int minute = settings::alarms::kMinuteDefault;
    int warn = settings::alarms::kWarnCheckDefault; // minutes before the alarm
    bool atOnce = false, atDate = false, atWeek = false;
    std::string date;                                     // "dd.mm"; empty when missing: every day
    std::array<bool, 7> weekDays{};                       // index 0 = Sunday
    int captionHour = settings::alarms::kHourMenuDefault; // the menu's own default differs
};

struct AlarmSettings {
    std::array<AlarmSlot, kSlotCount> slot; // "slots" is a Qt keyword
    int accuracySeconds = settings::alarms::kAccuracyDefault;
};

// Reads the ten slots and the check period from one read of the Settings file.
AlarmSettings readAlarmSettings(const settings::IniUpdate& ini);

// "dd.mm", the form of a slot's date.
std::string dateText(const platform::LocalTime& t);

// The slot's item in the alarms menu, e.g. "3.   7 ч 5 м ".
std::string menuCaption(int slot, const AlarmSlot& s);

// Whether the slot's regularity picks `day` (its date and week day are used).
bool dueOn(const AlarmSlot& s, const platform::LocalTime& day);

// How many slots are switched on; the check runs only when some are.
int activeSlots(const AlarmSettings& a);

} // namespace kok::alarm
