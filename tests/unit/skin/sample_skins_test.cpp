// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dialog/skin_info.h"
#include "platform/file_io.h"
#include "skin/mask_bitmap.h"
#include "skin/mask_region.h"
#include "skin/skin_description.h"

using namespace kok::skin;

namespace {

struct Picture {
    int width = 0, height = 0, bits = 0;
};

Picture pictureHeader(const std::string& f) {
    auto field = [&](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = v << 8 | std::uint8_t(f[at + std::size_t(i)]);
        return static_cast<std::int32_t>(v);
    };
    if (f.size() < 54 || f.compare(0, 2, "BM") != 0 || field(30, 4) != 0) return {};
    return {field(18, 4), field(22, 4), field(28, 2)};
}

// The pixels a mask keeps as window.
class Window {
  public:
    Window(const std::string& file, const MaskHeader& h) : w_(h.width), h_(h.height) {
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
        in_.assign(std::size_t(w_ * h_), false);
        for (const MaskRect& r : buildMaskBands(bytes, h))
            for (int y = r.y1; y <= r.y2; ++y)
                for (int x = r.x1; x <= r.x2; ++x)
                    in_[std::size_t(y * w_ + x)] = true;
    }
    bool empty() const { return std::find(in_.begin(), in_.end(), true) == in_.end(); }
    // Every pixel of a non-empty `r` is window.
    bool covers(const SkinRect& r) const {
        if (r.w <= 0 || r.h <= 0 || r.l < 0 || r.t < 0 || r.l + r.w > w_ || r.t + r.h > h_)
            return false;
        for (int y = r.t; y < r.t + r.h; ++y)
            for (int x = r.l; x < r.l + r.w; ++x)
                if (!in_[std::size_t(y * w_ + x)]) return false;
        return true;
    }

  private:
    int w_, h_;
    std::vector<bool> in_;
};

bool overlap(const SkinRect& a, const SkinRect& b) {
    return a.l < b.l + b.w && b.l < a.l + a.w && a.t < b.t + b.h && b.t < a.t + a.h;
}

} // namespace

// The skins shipped in SKINS/ must pass the skins page's checks and show
// every part of the clock on the window, with nothing covering anything else.
TEST(SampleSkins, LoadCleanlyAndKeepEveryPartOnTheWindow) {
    const struct {
        const char* folder;
        bool twoIndicators;
    } samples[] = {{"Round", true}, {"Strip", false}, {"Contrast", true}};
    for (const auto& s : samples) {
        SCOPED_TRACE(s.folder);
        const std::string dir = std::string(KOKTD_SAMPLE_SKINS_DIR) + s.folder + "/";
        auto file = [&](const char* name) {
            return kok::platform::readWholeFile(dir + name).value_or(std::string());
        };

        const auto reading =
            kok::dialog::readSkin({.external = true, .folder = dir, .builtinName = {}}, true);
        EXPECT_TRUE(reading.success);
        EXPECT_FALSE(reading.otherVersion);

        // Written exactly as the program's own writer would write it.
        const std::string ksf = file("skin.ksf");
        const SkinDescription d = parseSkinDescription(ksf);
        EXPECT_EQ(formatSkinDescription(d), ksf);
        EXPECT_EQ(d.type != 0, s.twoIndicators);

        const Picture face = pictureHeader(file("face.bmp"));
        EXPECT_EQ(face.width, d.formW);
        EXPECT_EQ(face.height, d.formH);
        EXPECT_TRUE(face.bits == 8 || face.bits == 24) << face.bits;

        const std::string mask = file("mask.bmp");
        const auto parsed =
            parseMask(std::span(reinterpret_cast<const std::uint8_t*>(mask.data()), mask.size()));
        ASSERT_EQ(parsed.error, MaskParseError::None);
        ASSERT_EQ(parsed.header.width, d.formW);
        ASSERT_EQ(parsed.header.height, d.formH);
        const Window window(mask, parsed.header);
        EXPECT_FALSE(window.empty());

        const struct {
            const char* button;
            SkinRect rect;
            std::vector<const char*> states;
        } buttons[] = {{"settings", d.settings, {"of", "on", "dn"}},
                       {"close", d.close, {"of", "on", "dn"}},
                       {"timer", d.ding, {"of", "on", "dn", "at"}}};
        std::vector<std::pair<std::string, SkinRect>> parts{{"time", d.time.rect}};
        if (s.twoIndicators) parts.emplace_back("timer", d.timer.rect);
        for (const auto& b : buttons) {
            for (const char* state : b.states) {
                const std::string name = std::string(b.button) + "_" + state + ".bmp";
                const Picture p = pictureHeader(file(name.c_str()));
                EXPECT_EQ(p.width, b.rect.w) << name;
                EXPECT_EQ(p.height, b.rect.h) << name;
                EXPECT_EQ(p.bits, 24) << name;
            }
            parts.emplace_back(b.button, b.rect);
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_TRUE(window.covers(parts[i].second)) << parts[i].first;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(parts[i].second, parts[j].second))
                    << parts[j].first << " and " << parts[i].first;
        }
    }
}
