// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The durations a countdown may have, in seconds: what its settings page
// offers, and what a start takes from the Settings file.

namespace kok::timers {

inline constexpr int kMinCountdown = 10;
inline constexpr int kMaxCountdown = 21599; // 5:59:59

} // namespace kok::timers
