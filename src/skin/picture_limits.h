// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace kok::skin {

// A skin picture file larger than this is not read. The largest picture a
// skin has any use for, a 32-bit 4096 × 4096 bitmap, is 64 MiB.
inline constexpr std::size_t kMaxPictureFileBytes = 64 * 1024 * 1024;

} // namespace kok::skin
