// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kok::skin {

// Place of a control on the Clock window, in pixels from its top-left corner.
struct SkinRect {
    int l = 0, t = 0, w = 0, h = 0;
    bool operator==(const SkinRect&) const = default;
};

// Font of a text indicator as a skin describes it.
struct SkinFont {
    static constexpr std::size_t kMaxFaceLength = 31;

    int color = 16777215; // 0xBBGGRR
    std::string face = "MS Sans Serif";
    int size = 8;   // points
    int height = 0; // pixels; negative: without internal leading; 0: from `size`
    int charset = 1;
    int bold = 0;

    // The height to use: `height`, or the one the size gives when it is 0.
    int pixelHeight() const;
    bool operator==(const SkinFont&) const = default;
};

struct SkinIndicator {
    SkinRect rect;
    SkinFont font;
    bool operator==(const SkinIndicator&) const = default;
};

// The skin description file "skin.ksf". Texts are UTF-8 here.
struct SkinDescription {
    // A description without one counts as made for an unknown version.
    static constexpr std::string_view kMissingSupport = "88.8";

    std::string support{kMissingSupport};
    int animated = 1;
    int type = 0; // 0: one indicator; otherwise two
    std::string name, version, author, mail, web, generator;
    int formW = 250, formH = 250;
    SkinIndicator time, timer;
    SkinRect ding, settings, close;
    bool operator==(const SkinDescription&) const = default;
};

// No size or place a skin gives, nor a font height, goes beyond this many
// pixels either way: the largest picture a skin may have is 4096 pixels wide
// (picture_limits.h), and no screen needs a window or control larger. A
// skin beyond it is broken, not a window put off every screen.
inline constexpr int kMaxSkinPixels = 4096;

// The first value of `skin` beyond kMaxSkinPixels, as "[rect.form] w", or
// nothing when every one is within.
std::optional<std::string> sizeBeyondLimit(const SkinDescription& skin);

// What the free texts of [info] read as when their keys are missing.
struct SkinInfoDefaults {
    std::string author, name, version, mail, web;
};

// Reads a description from the bytes of its file (Windows-1251 INI text).
// Missing keys and values that are no integers take their defaults.
SkinDescription parseSkinDescription(std::string bytes, const SkinInfoDefaults& missing = {});

// The file text the skin editor writes: fixed key order, CR LF, Windows-1251.
std::string formatSkinDescription(const SkinDescription& skin);

// Writes the file in one step; throws platform::WriteError on failure.
void saveSkinDescription(const std::string& path, const SkinDescription& skin);

} // namespace kok::skin
