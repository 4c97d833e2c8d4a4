// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/uptime.h"

#include <time.h>

namespace kok::platform {

std::optional<long long> systemUptimeSeconds() {
    // CLOCK_BOOTTIME keeps counting while the machine sleeps, as the uptime
    // a user expects does.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0) return std::nullopt;
    return static_cast<long long>(ts.tv_sec);
}

} // namespace kok::platform
