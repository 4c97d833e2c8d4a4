// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace kok::platform {

// Whole seconds since the system started, counting time spent suspended;
// nothing when the system does not say.
std::optional<long long> systemUptimeSeconds();

} // namespace kok::platform
