// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the countdown page keeps its duration consistent: the same duration is
// edited as hours, minutes and seconds and as one total of seconds, and each
// view is rewritten from the other. While a field is typed in, the other view
// follows what it holds as it stands; the page's limits and the fallback for a
// field that holds no number apply when the field is left (or on OK), so that
// typing a number gives that number.

#include <optional>
#include <string_view>

#include "dialog/field_integer.h"
#include "timers/countdown_range.h"

namespace kok::dialog {

using timers::kMaxCountdown;
using timers::kMinCountdown;
// What a duration that is not a number becomes (0:01:40).
inline constexpr int kFallbackCountdown = 100;

struct Duration {
    int hours = 0, minutes = 0, seconds = 0;
    friend bool operator==(const Duration&, const Duration&) = default;
};

// The total as hours, minutes and seconds (division truncating toward zero).
Duration splitDuration(int total);

// The seconds' lower bound: kMinCountdown while hours and minutes are both 0.
int secondsMinimum(int hours, int minutes);

// While hours, minutes or seconds are typed in: the total they make as they
// stand, or none while one of them holds no integer.
std::optional<int> typedTotal(std::string_view hours, std::string_view minutes,
                              std::string_view seconds);

// Hours, minutes and seconds as they stay when a field is left: the fallback
// duration when one of them holds no integer, else each kept within its
// range (hours 0..5, minutes and seconds 0..59, seconds at least their
// minimum).
Duration settledFields(std::string_view hours, std::string_view minutes, std::string_view seconds);

// The total as it stays when it is left: the fallback when it holds no
// integer, else kept within kMinCountdown..kMaxCountdown.
int settledTotal(std::string_view total);

// The beep pattern radio (1..4) a stored Type selects; other values select 1.
int beepRadioForType(int type);

} // namespace kok::dialog
