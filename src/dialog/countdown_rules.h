#pragma once

// How the countdown page keeps its duration consistent: the same duration is
// edited as hours, minutes and seconds and as one total of seconds, and each
// view is rewritten from the other.

#include <optional>
#include <string_view>

#include "dialog/field_integer.h"

namespace kok::dialog {

inline constexpr int kMinCountdown = 10;    // seconds
inline constexpr int kMaxCountdown = 21599; // 5:59:59
// What a total that is not a number becomes (0:01:40).
inline constexpr int kFallbackCountdown = 100;

struct Duration {
    int hours = 0, minutes = 0, seconds = 0;
    friend bool operator==(const Duration&, const Duration&) = default;
};

// The total as hours, minutes and seconds (division truncating toward zero).
Duration splitDuration(int total);

// A change of the hours, minutes or seconds field.
struct DurationEdit {
    // All three hold integers; otherwise the total becomes kFallbackCountdown
    // and the rest of this is unset.
    bool valid = false;
    Duration fields;            // as parsed, seconds raised to the minimum
    int secondsMinimum = 0;     // 10 while hours and minutes are both 0
    bool secondsRaised = false; // the seconds text must become the minimum
    int total = kFallbackCountdown;
};
DurationEdit editDuration(std::string_view hours, std::string_view minutes,
                          std::string_view seconds);

// The beep pattern radio (1..4) a stored Type selects; other values select 1.
int beepRadioForType(int type);

} // namespace kok::dialog
