#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "skin/mask_bitmap.h"

namespace kok::skin {

// One rectangle of a window shape, corners inclusive; the fields lie in the
// order of QRect's so that a list of them can be copied over in one go.
struct MaskRect {
    int x1, y1, x2, y2;
    bool operator==(const MaskRect&) const = default;
};

// More rectangles than this and the X server silently turns the shape into
// an empty one, so such a shape counts as refused.
inline constexpr std::size_t kMaxShapeRects = 32765;

// The opaque (0-bit) pixels of a parsed mask as rectangles sorted by row and
// then by column: each row's horizontal runs, with identical neighbouring
// rows merged into one band. Pixels beyond the width in a row's padding
// bytes are ignored. `file` and `header` must come from a successful
// parseMask().
std::vector<MaskRect> buildMaskBands(std::span<const std::uint8_t> file, const MaskHeader& header);

} // namespace kok::skin
