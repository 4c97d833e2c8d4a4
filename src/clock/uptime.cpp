// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/uptime.h"

#include "face/time_text.h"

namespace kok::clock {

// Uptime is never negative, so the duration format fits it exactly.
std::string uptimeText(long long seconds) {
    return FormatDuration(seconds < 0 ? 0 : seconds, true);
}

} // namespace kok::clock
