// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "skin/mask_bitmap.h"

namespace kok::skin {

// One rectangle of a window shape, corners inclusive.
struct MaskRect {
    int x1, y1, x2, y2;
    bool operator==(const MaskRect&) const = default;
};

// More rectangles than this and the X server silently turns the shape into
// an empty one, so such a shape counts as refused.
inline constexpr std::size_t kMaxShapeRects = 32765;

namespace detail {

// Eight bytes of a row as one word, the leftmost pixel in the top bit. Bytes
// past `available` read as white, which is see-through.
inline std::uint64_t loadRowWord(const std::uint8_t* p, std::size_t available) {
    std::uint64_t w = ~std::uint64_t(0);
    std::memcpy(&w, p, std::min<std::size_t>(available, 8));
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    return w;
}

// Writes the x of every change between white and black along a row to
// `xs` (room for width + 1) and returns how many there are: runs are then
// [xs[0], xs[1]), [xs[2], xs[3]), ... A run reaching the right edge ends at
// `width`. Pixels past the width are ignored.
inline int rowEdges(const std::uint8_t* row, int width, int* xs) {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    int n = 0;
    std::uint64_t prev = 0; // the last pixel of the previous word, 1 = black
    for (int base = 0; base < width; base += 64) {
        const std::size_t at = static_cast<std::size_t>(base) / 8;
        std::uint64_t v = ~loadRowWord(row + at, rowBytes - at); // 1 = black
        if (width - base < 64) v &= ~(~std::uint64_t(0) >> (width - base));
        std::uint64_t edges = v ^ ((v >> 1) | (prev << 63));
        prev = v & 1;
        while (edges) {
            const int p = std::countl_zero(edges);
            xs[n++] = base + p;
            edges &= ~(std::uint64_t(1) << (63 - p));
        }
    }
    if (n % 2) xs[n++] = width;
    return n;
}

} // namespace detail

// The black pixels of a parsed mask as rectangles in the order a region
// keeps them: by row, then by column; identical neighbouring rows form one
// band. Calls sink(x1, y1, x2, y2) (corners inclusive) once per rectangle.
// `file` and `header` must come from a successful parseMask().
template <class Sink>
void forEachMaskBand(std::span<const std::uint8_t> file, const MaskHeader& h, Sink&& sink) {
    const std::size_t room = static_cast<std::size_t>(h.width) + 2;
    std::vector<int> band(room), row(room);
    int bandEdges = 0, bandTop = 0;
    auto flush = [&](int bottom) {
        for (int i = 0; i < bandEdges; i += 2)
            sink(band[std::size_t(i)], bandTop, band[std::size_t(i) + 1] - 1, bottom);
    };
    for (int y = 0; y < h.height; ++y) {
        const std::uint8_t* bits =
            file.data() + h.dataOffset + std::size_t(h.rowLength) * std::size_t(h.height - 1 - y);
        const int n = detail::rowEdges(bits, h.width, row.data());
        if (n == bandEdges && std::equal(row.begin(), row.begin() + n, band.begin())) continue;
        flush(y - 1);
        std::swap(band, row);
        bandEdges = n;
        bandTop = y;
    }
    flush(h.height - 1);
}

std::vector<MaskRect> buildMaskBands(std::span<const std::uint8_t> file, const MaskHeader& header);

// The smallest shape a person can still see and take hold of, each way.
inline constexpr int kMinMaskSide = 8;

// Whether a parsed mask cuts a window worth showing: its opaque pixels span
// at least kMinMaskSide pixels each way. An all-white mask makes the window
// vanish and a 1 × 1 one shrinks it to a dot; neither can be undone by the
// user, who can no longer reach the clock.
bool isUsableMask(std::span<const std::uint8_t> file, const MaskHeader& header);

} // namespace kok::skin
