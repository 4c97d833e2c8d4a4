// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kok::skin::test {

// A 1-bit BMP file from rows of '#' (black, window) and '.' (white), top row
// first. Padding bits and bytes are filled with `pad` (0x00 reads as black).
inline std::vector<std::uint8_t> maskBmp(const std::vector<std::string>& rows,
                                         std::uint8_t pad = 0xFF, int extraRowBytes = 0) {
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    const int rowLen = (width + 31) / 32 * 4 + extraRowBytes;
    std::vector<std::uint8_t> f(62, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(10, 62);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    f[26] = 1;
    f[28] = 1;
    put32(34, static_cast<std::uint32_t>(rowLen * height));
    f[58] = f[59] = f[60] = 0xFF; // palette: black, white
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowLen), pad);
        for (int x = 0; x < (width + 7) / 8 * 8; ++x) {
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            const bool white =
                x < width ? rows[std::size_t(y)][std::size_t(x)] == '.' : (pad & bit);
            if (white)
                row[std::size_t(x / 8)] |= bit;
            else
                row[std::size_t(x / 8)] &= static_cast<std::uint8_t>(~bit);
        }
        f.insert(f.end(), row.begin(), row.end());
    }
    put32(2, static_cast<std::uint32_t>(f.size()));
    return f;
}

} // namespace kok::skin::test
