// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/mask_region.h"

namespace kok::skin {

std::vector<MaskRect> buildMaskBands(std::span<const std::uint8_t> file, const MaskHeader& h) {
    std::vector<MaskRect> out;
    forEachMaskBand(file, h, [&](int x1, int y1, int x2, int y2) {
        out.push_back({x1, y1, x2, y2});
    });
    return out;
}

bool isUsableMask(std::span<const std::uint8_t> file, const MaskHeader& h) {
    int left = h.width, top = h.height, right = -1, bottom = -1;
    forEachMaskBand(file, h, [&](int x1, int y1, int x2, int y2) {
        left = std::min(left, x1);
        top = std::min(top, y1);
        right = std::max(right, x2);
        bottom = std::max(bottom, y2);
    });
    return right - left + 1 >= kMinMaskSide && bottom - top + 1 >= kMinMaskSide;
}

} // namespace kok::skin
