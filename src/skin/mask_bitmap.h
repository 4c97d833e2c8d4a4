// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kok::skin {

// Shown through the translators ("Messages").
inline constexpr const char* kMaskInvalidMessage =
    QT_TRANSLATE_NOOP("Messages", "Недопустимый ресурс маски");
inline constexpr const char* kMaskNoBufferMessage =
    QT_TRANSLATE_NOOP("Messages", "Внутренняя ошибка");

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
