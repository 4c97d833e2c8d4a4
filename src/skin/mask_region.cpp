#include "skin/mask_region.h"

namespace kok::skin {

std::vector<MaskRect> buildMaskBands(std::span<const std::uint8_t> file, const MaskHeader& h) {
    std::vector<MaskRect> out;
    forEachMaskBand(file, h, [&](int x1, int y1, int x2, int y2) {
        out.push_back({x1, y1, x2, y2});
    });
    return out;
}

} // namespace kok::skin
