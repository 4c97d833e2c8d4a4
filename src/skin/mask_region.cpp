#include "skin/mask_region.h"

#include <bit>
#include <cstring>

namespace kok::skin {
namespace {

// Eight bytes of a row as one word, the leftmost pixel in the top bit. Bytes
// past `available` read as white, which is see-through.
std::uint64_t loadWord(const std::uint8_t* p, std::size_t available) {
    std::uint64_t w = ~std::uint64_t(0);
    if (available >= 8) {
        std::memcpy(&w, p, 8);
    } else {
        std::memcpy(&w, p, available);
    }
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    return w;
}

// Appends the runs of one row as rectangles of height one.
void appendRowRuns(const std::uint8_t* row, int width, int y, std::vector<MaskRect>& out) {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    bool open = false;
    int runStart = 0;
    for (int base = 0; base < width; base += 64) {
        const std::size_t at = static_cast<std::size_t>(base) / 8;
        std::uint64_t v = ~loadWord(row + at, rowBytes - at); // 1 = opaque
        if (width - base < 64) v &= ~(~std::uint64_t(0) >> (width - base));
        int used = 0;
        while (used < 64) {
            if (!open) {
                if (v == 0) break;
                const int gap = std::countl_zero(v);
                used += gap;
                v <<= gap;
                runStart = base + used;
                open = true;
            } else {
                const int len = std::countl_one(v);
                if (len == 64 - used) break; // the run goes on in the next word
                used += len;
                v <<= len;
                out.push_back({runStart, y, base + used - 1, y});
                open = false;
            }
        }
    }
    if (open) out.push_back({runStart, y, width - 1, y});
}

} // namespace

std::vector<MaskRect> buildMaskBands(std::span<const std::uint8_t> file, const MaskHeader& h) {
    std::vector<MaskRect> out;
    std::size_t bandStart = 0; // first rectangle of the band the last row joined
    std::size_t bandCount = 0;
    for (int y = 0; y < h.height; ++y) {
        const std::size_t offset =
            h.dataOffset + std::size_t(h.rowLength) * std::size_t(h.height - 1 - y);
        const std::size_t rowStart = out.size();
        appendRowRuns(file.data() + offset, h.width, y, out);
        const std::size_t count = out.size() - rowStart;

        bool same = count == bandCount && count > 0;
        for (std::size_t i = 0; same && i < count; ++i)
            same = out[rowStart + i].x1 == out[bandStart + i].x1 &&
                   out[rowStart + i].x2 == out[bandStart + i].x2;
        if (same) {
            out.resize(rowStart);
            for (std::size_t i = 0; i < count; ++i)
                out[bandStart + i].y2 = y;
        } else {
            bandStart = rowStart;
            bandCount = count;
        }
    }
    return out;
}

} // namespace kok::skin
