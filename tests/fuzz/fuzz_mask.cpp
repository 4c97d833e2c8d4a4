// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a mask file: the parser must accept or refuse them without
// reading outside the data, and an accepted mask's bands must cover exactly
// the black pixels a plain bit-by-bit walk finds.
#include <cstdlib>
#include <vector>

#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"

using namespace kok::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const MaskParseResult parsed = parseMask(file);
    if (parsed.error != MaskParseError::None) return 0;
    const MaskHeader& h = parsed.header;
    if (std::int64_t(h.width) * h.height > 4'000'000) return 0; // keep runs quick

    const std::vector<MaskRect> bands = buildMaskBands(file, h);
    std::vector<std::uint8_t> covered(std::size_t(h.width) * std::size_t(h.height), 0);
    int lastY = -1, lastX = -1;
    for (const MaskRect& r : bands) {
        if (r.x1 > r.x2 || r.y1 > r.y2 || r.x1 < 0 || r.x2 >= h.width || r.y1 < 0 ||
            r.y2 >= h.height)
            std::abort();
        if (r.y1 < lastY || (r.y1 == lastY && r.x1 <= lastX)) std::abort(); // y-x order
        lastY = r.y1;
        lastX = r.x2;
        for (int y = r.y1; y <= r.y2; ++y)
            for (int x = r.x1; x <= r.x2; ++x) {
                auto& c = covered[std::size_t(y) * std::size_t(h.width) + std::size_t(x)];
                if (c) std::abort(); // overlap
                c = 1;
            }
    }
    for (int y = 0; y < h.height; ++y) {
        const std::uint8_t* row =
            data + h.dataOffset + std::size_t(h.rowLength) * (h.height - 1 - y);
        for (int x = 0; x < h.width; ++x) {
            const bool opaque = ((row[x / 8] >> (7 - x % 8)) & 1) == 0;
            if (opaque != (covered[std::size_t(y) * std::size_t(h.width) + std::size_t(x)] != 0))
                std::abort();
        }
    }
    return 0;
}
