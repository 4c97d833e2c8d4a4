// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>

#include "skin/builtin_skins.h"
#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"

using namespace kok::skin;

namespace {

std::int32_t field(const QByteArray& f, int at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(f[at + i]);
    return static_cast<std::int32_t>(v);
}

struct Expected {
    const char* name;
    int width, height, bits;
};

} // namespace

TEST(BuiltinSkins, EveryPictureHasItsSizeAndDepth) {
    const Expected pictures[] = {
        {"def_face", 126, 18, 8},        {"def_mask", 126, 18, 1},
        {"def_settings_of", 16, 18, 24}, {"def_settings_on", 16, 18, 24},
        {"def_settings_dn", 16, 18, 24}, {"def_close_of", 16, 18, 24},
        {"def_close_on", 16, 18, 24},    {"def_close_dn", 16, 18, 24},
        {"def_timer_of", 11, 18, 24},    {"def_timer_on", 11, 18, 24},
        {"def_timer_dn", 11, 18, 24},    {"def_timer_at", 11, 18, 24},
        {"ext_face", 125, 27, 8},        {"ext_mask", 125, 27, 1},
        {"ext_settings_of", 19, 19, 24}, {"ext_settings_on", 19, 19, 24},
        {"ext_settings_dn", 19, 19, 24}, {"ext_close_of", 11, 11, 24},
        {"ext_close_on", 11, 11, 24},    {"ext_close_dn", 11, 11, 24},
        {"ext_timer_of", 11, 11, 24},    {"ext_timer_on", 11, 11, 24},
        {"ext_timer_dn", 11, 11, 24},    {"ext_timer_at", 11, 11, 24},
    };
    for (const Expected& e : pictures) {
        const auto f = builtinSkinResource(e.name);
        ASSERT_TRUE(f) << e.name;
        EXPECT_EQ(f->left(2), "BM") << e.name;
        EXPECT_EQ(field(*f, 18, 4), e.width) << e.name;
        EXPECT_EQ(field(*f, 22, 4), e.height) << e.name;
        EXPECT_EQ(field(*f, 28, 2), e.bits) << e.name;
        EXPECT_EQ(field(*f, 30, 4), 0) << e.name << " is compressed";
        if (e.bits == 8) {
            EXPECT_EQ(field(*f, 46, 4), 256) << e.name;
        }
    }
}

// The states of a button must look different from each other.
TEST(BuiltinSkins, ButtonStatesDiffer) {
    for (const char* button : {"def_settings", "def_close", "ext_settings", "ext_close"}) {
        const std::string b(button);
        EXPECT_NE(builtinSkinResource(b + "_of"), builtinSkinResource(b + "_on")) << b;
        EXPECT_NE(builtinSkinResource(b + "_on"), builtinSkinResource(b + "_dn")) << b;
    }
    for (const char* skin : {"def", "ext"}) {
        const std::string t = std::string(skin) + "_timer_";
        for (const char* a : {"of", "on", "at", "dn"})
            for (const char* b : {"of", "on", "at", "dn"})
                if (std::string(a) < b) {
                    EXPECT_NE(builtinSkinResource(t + a), builtinSkinResource(t + b))
                        << t << a << b;
                }
    }
}

TEST(BuiltinSkins, MasksAreSlantedBarsWithAWhiteRightColumn) {
    for (const char* name : {"def_mask", "ext_mask"}) {
        const QByteArray f = *builtinSkinResource(name);
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(f.constData()),
                              std::size_t(f.size()));
        const auto parsed = parseMask(bytes);
        ASSERT_EQ(parsed.error, MaskParseError::None) << name;
        const auto bands = buildMaskBands(bytes, parsed.header);
        const int w = parsed.header.width, h = parsed.header.height;
        int topLeft = w, bottomLeft = w;
        std::vector<bool> rowCovered(std::size_t(h), false);
        for (const MaskRect& r : bands) {
            EXPECT_LT(r.x2, w - 1) << name << ": rightmost column must be white";
            for (int y = r.y1; y <= r.y2; ++y)
                rowCovered[std::size_t(y)] = true;
            if (r.y1 == 0) topLeft = std::min(topLeft, r.x1);
            if (r.y2 == h - 1) bottomLeft = std::min(bottomLeft, r.x1);
        }
        for (int y = 0; y < h; ++y)
            EXPECT_TRUE(rowCovered[std::size_t(y)]) << name << " row " << y;
        EXPECT_GT(topLeft, bottomLeft) << name << ": the left end must slant";
    }
}
