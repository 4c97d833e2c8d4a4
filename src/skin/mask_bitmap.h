// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kok::skin {

inline constexpr const char* kMaskInvalidMessage = "Not a valide Mask Resource";
inline constexpr const char* kMaskNoBufferMessage = "Internal Error";

// Where the pixel rows of a 1-bit mask lie in a loaded BMP file.
struct MaskHeader {
    std::uint32_t dataOffset = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t imageSize = 0;
    std::uint16_t rowLength = 0; // bytes per stored row
};

enum class MaskParseError { None, NoBuffer, Invalid };

struct MaskParseResult {
    MaskParseError error = MaskParseError::None;
    MaskHeader header;
};

// Checks that `file` holds a 1-bit uncompressed BMP whose rows can be read
// bottom-up at image size / height bytes each. Masks that rule cannot read
// (height 0 or negative, image size 0, rows narrower than the width, rows
// beyond the end of the data) are refused as invalid, so that nothing is
// ever read outside `file`. An empty span means there is no buffer.
MaskParseResult parseMask(std::span<const std::uint8_t> file);

} // namespace kok::skin
