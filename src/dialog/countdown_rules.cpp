// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/countdown_rules.h"

#include <algorithm>
#include <climits>

namespace kok::dialog {

Duration splitDuration(int total) {
    Duration d;
    d.hours = total / 3600;
    const int rest = total - d.hours * 3600;
    d.minutes = rest / 60;
    d.seconds = rest - d.minutes * 60;
    return d;
}

int secondsMinimum(int hours, int minutes) {
    return hours == 0 && minutes == 0 ? kMinCountdown : 0;
}

std::optional<int> typedTotal(std::string_view hours, std::string_view minutes,
                              std::string_view seconds) {
    const auto h = fieldInteger(hours), m = fieldInteger(minutes), s = fieldInteger(seconds);
    if (!h || !m || !s) return std::nullopt;
    // Far beyond the range while typed; kept to an int until the field is left.
    const long long total = *h * 3600LL + *m * 60LL + *s;
    return int(std::clamp<long long>(total, INT_MIN, INT_MAX));
}

Duration settledFields(std::string_view hours, std::string_view minutes, std::string_view seconds) {
    const auto h = fieldInteger(hours), m = fieldInteger(minutes), s = fieldInteger(seconds);
    if (!h || !m || !s) return splitDuration(kFallbackCountdown);
    Duration d;
    d.hours = std::clamp(*h, 0, kMaxCountdown / 3600);
    d.minutes = std::clamp(*m, 0, 59);
    d.seconds = std::clamp(*s, secondsMinimum(d.hours, d.minutes), 59);
    return d;
}

int settledTotal(std::string_view total) {
    const auto n = fieldInteger(total);
    return n ? std::clamp(*n, kMinCountdown, kMaxCountdown) : kFallbackCountdown;
}

int beepRadioForType(int type) {
    return type >= 2 && type <= 4 ? type : 1;
}

} // namespace kok::dialog
