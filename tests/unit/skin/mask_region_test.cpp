// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"
#include "unit/skin/mask_test_bitmap.h"

using namespace kok::skin;
using kok::skin::test::maskBmp;

namespace {

std::vector<MaskRect> bandsOf(const std::vector<std::uint8_t>& file) {
    const auto parsed = parseMask(file);
    EXPECT_EQ(parsed.error, MaskParseError::None);
    if (parsed.error != MaskParseError::None) return {};
    return buildMaskBands(file, parsed.header);
}

// The covered pixels drawn back as rows of '#' and '.'.
std::vector<std::string> draw(const std::vector<MaskRect>& bands, int w, int h) {
    std::vector<std::string> rows(std::size_t(h), std::string(std::size_t(w), '.'));
    for (const MaskRect& r : bands)
        for (int y = r.y1; y <= r.y2; ++y)
            for (int x = r.x1; x <= r.x2; ++x) {
                EXPECT_EQ(rows[std::size_t(y)][std::size_t(x)], '.')
                    << "overlap at " << x << "," << y;
                rows[std::size_t(y)][std::size_t(x)] = '#';
            }
    return rows;
}

void setU32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

TEST(MaskRegion, AllBlackIsTheFullRectangleInOneBand) {
    const std::vector<std::string> rows(5, std::string(13, '#'));
    EXPECT_EQ(bandsOf(maskBmp(rows)), (std::vector<MaskRect>{{0, 0, 12, 4}}));
}

TEST(MaskRegion, AllWhiteIsEmpty) {
    EXPECT_TRUE(bandsOf(maskBmp(std::vector<std::string>(4, std::string(9, '.')))).empty());
}

TEST(MaskRegion, RunReachingTheLastPixelEndsThere) {
    const auto bands = bandsOf(maskBmp({"..##", "...#"}));
    EXPECT_EQ(bands, (std::vector<MaskRect>{{2, 0, 3, 0}, {3, 1, 3, 1}}));
}

TEST(MaskRegion, PaddingBitsAndBytesNeverBelongToTheWindow) {
    // Black padding (zero bits) right after a black last pixel, and whole
    // spare bytes per row.
    const std::vector<std::string> rows{"#.#####", "#######"};
    const auto bands = bandsOf(maskBmp(rows, 0x00, 4));
    EXPECT_EQ(draw(bands, 7, 2), rows);
    EXPECT_EQ(bands.back().x2, 6);
}

TEST(MaskRegion, RowsAreReadBottomUpAndIdenticalNeighboursMerge) {
    const std::vector<std::string> rows{"##..##", "##..##", ".####.", "##..##"};
    const auto bands = bandsOf(maskBmp(rows));
    EXPECT_EQ(bands, (std::vector<MaskRect>{
                         {0, 0, 1, 1}, {4, 0, 5, 1}, {1, 2, 4, 2}, {0, 3, 1, 3}, {4, 3, 5, 3}}));
}

TEST(MaskRegion, EmptyRowBreaksABand) {
    const auto bands = bandsOf(maskBmp({"#.", "..", "#."}));
    EXPECT_EQ(bands, (std::vector<MaskRect>{{0, 0, 0, 0}, {0, 2, 0, 2}}));
}

// Runs crossing the 64-pixel words the builder reads, at odd widths.
TEST(MaskRegion, RandomMasksOfOddWidthsMatchPixelByPixel) {
    std::mt19937 rng(7);
    for (int width : {1, 7, 8, 9, 63, 64, 65, 127, 129, 200}) {
        for (int density : {2, 10}) {
            std::vector<std::string> rows;
            for (int y = 0; y < 6; ++y) {
                std::string row;
                char c = '#';
                for (int x = 0; x < width; ++x) {
                    if (rng() % std::uint32_t(density) == 0) c = c == '#' ? '.' : '#';
                    row += c;
                }
                rows.push_back(row);
            }
            rows.push_back(rows.back()); // a band of two rows
            EXPECT_EQ(draw(bandsOf(maskBmp(rows)), width, 7), rows) << "width " << width;
        }
    }
}

TEST(MaskParse, AcceptsAOneBitMaskAndReportsItsLayout) {
    const auto f = maskBmp(std::vector<std::string>(3, std::string(40, '#')));
    const auto r = parseMask(f);
    ASSERT_EQ(r.error, MaskParseError::None);
    EXPECT_EQ(r.header.width, 40);
    EXPECT_EQ(r.header.height, 3);
    EXPECT_EQ(r.header.rowLength, 8);
    EXPECT_EQ(r.header.dataOffset, 62u);
}

TEST(MaskParse, NoBufferAndBrokenHeadersAreRefused) {
    EXPECT_EQ(parseMask({}).error, MaskParseError::NoBuffer);
    const auto good = maskBmp({"##", "##"});
    auto expectInvalid = [](std::vector<std::uint8_t> f, const char* what) {
        EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << what;
    };
    auto f = good;
    f[0] = 'X';
    expectInvalid(f, "signature");
    f = good;
    f[28] = 24;
    expectInvalid(f, "24 bits per pixel");
    f = good;
    f[30] = 1;
    expectInvalid(f, "compressed");
    expectInvalid(std::vector<std::uint8_t>(good.begin(), good.begin() + 53), "cut header");
}

// Layouts the bottom-up row rule cannot read are refused, never guessed at.
TEST(MaskParse, UnreadableLayoutsAreRefused) {
    const auto good = maskBmp({"##", "##"}); // row length 4, image size 8
    auto f = good;
    setU32(f, 22, 0);
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "height 0";
    f = good;
    setU32(f, 22, std::uint32_t(-2));
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "top-down rows";
    f = good;
    setU32(f, 34, 0);
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "image size 0";
    f = good;
    setU32(f, 18, 33);
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "width beyond the row";
    f = good;
    setU32(f, 10, 60000);
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "rows beyond the data";
    f = good;
    f.pop_back();
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "last row cut short";
    f = good;
    setU32(f, 34, 0xFFFFFFFE);
    EXPECT_EQ(parseMask(f).error, MaskParseError::Invalid) << "huge image size";
}
