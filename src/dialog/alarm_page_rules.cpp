// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/alarm_page_rules.h"

namespace kok::dialog {

std::string alarmDate(std::string_view day, std::string_view month) {
    const auto twoWide = [](std::string_view part) {
        return part.size() < 2 ? "0" + std::string(part) : std::string(part);
    };
    return twoWide(day) + "." + twoWide(month);
}

std::string alarmDateDay(std::string_view date) {
    return std::string(date.substr(0, 2));
}

std::string alarmDateMonth(std::string_view date) {
    return date.size() > 3 ? std::string(date.substr(3, 2)) : std::string();
}

std::optional<Regularity> regularityOf(RegularityFlags flags) {
    if (flags.atWeek) return Regularity::ByWeekday;
    if (flags.atDate) return Regularity::OnDate;
    if (flags.atOnce) return Regularity::Once;
    return std::nullopt;
}

RegularityFlags regularityFlags(Regularity chosen) {
    return {chosen == Regularity::Once, chosen == Regularity::OnDate,
            chosen == Regularity::ByWeekday};
}

int beepPatternShown(int stored) {
    return stored >= 2 && stored <= 4 ? stored : 1;
}

int accuracyShown(int stored) {
    return stored == 1 || stored == 10 ? stored : 5;
}

} // namespace kok::dialog
