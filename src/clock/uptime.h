// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kok::clock {

// The time since the system started as "hh:nn:ss": hours take as many digits
// as they need (no days), minutes and seconds always two.
std::string uptimeText(long long seconds);

} // namespace kok::clock
