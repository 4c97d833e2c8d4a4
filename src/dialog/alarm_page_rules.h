// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialog/field_integer.h"

namespace kok::dialog {

// A slot's date as stored, from the texts of the day and month fields: a text
// shorter than two characters gets a "0" in front, so 7 and 12 give "07.12".
// Day and month are not checked against each other, and no year is kept.
std::string alarmDate(std::string_view day, std::string_view month);

// The day (characters 1-2) and month (characters 4-5) of a stored date.
std::string alarmDateDay(std::string_view date);
std::string alarmDateMonth(std::string_view date);

// How often a slot fires: one radio of three, stored as three flags.
enum class Regularity { Once, OnDate, ByWeekday };

struct RegularityFlags {
    bool atOnce = false;
    bool atDate = false;
    bool atWeek = false;
    friend bool operator==(const RegularityFlags&, const RegularityFlags&) = default;
};

// The radio a loaded slot shows: the flags set their radios in turn, so the
// last flag that is on wins; with none on, no radio is chosen.
std::optional<Regularity> regularityOf(RegularityFlags flags);
// What the radios write: exactly the chosen one is on.
RegularityFlags regularityFlags(Regularity chosen);

// The beep-pattern radio (1 to 4) a stored pattern number shows.
int beepPatternShown(int stored);
// The accuracy radio (1, 5 or 10 seconds) a stored Accuracy shows.
int accuracyShown(int stored);

} // namespace kok::dialog
