// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/mask_bitmap.h"

namespace kok::skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

} // namespace

MaskParseResult parseMask(std::span<const std::uint8_t> file) {
    MaskParseResult r;
    if (file.empty()) {
        r.error = MaskParseError::NoBuffer;
        return r;
    }
    r.error = MaskParseError::Invalid;
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) return r;
    if (file[0] != 'B' || file[1] != 'M') return r;
    constexpr std::size_t info = kFileHeaderSize;
    if (u16(file, info + 14) != 1 || u32(file, info + 16) != 0) return r;

    MaskHeader& h = r.header;
    h.dataOffset = u32(file, 10);
    h.width = static_cast<std::int32_t>(u32(file, info + 4));
    h.height = static_cast<std::int32_t>(u32(file, info + 8));
    h.imageSize = u32(file, info + 20);
    if (h.height <= 0 || h.width < 0) return r;
    h.rowLength = static_cast<std::uint16_t>(h.imageSize / static_cast<std::uint32_t>(h.height));

    // The cases the row rule cannot read are refused rather than guessed.
    if (h.rowLength == 0) return r;
    if (static_cast<std::uint64_t>(h.width) > 8ull * h.rowLength) return r;
    const std::uint64_t end =
        std::uint64_t(h.dataOffset) + std::uint64_t(h.rowLength) * std::uint64_t(h.height);
    if (end > file.size()) return r;

    r.error = MaskParseError::None;
    return r;
}

} // namespace kok::skin
