// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files of a skin, named once: the loader, the skins page and the skin
// editor all read or write these names.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace kok::skin {

// The twelve pictures of a skin, in the order the skin editor lists them.
enum class SkinPicture {
    Face,
    Mask,
    TimerOf,
    TimerAt,
    TimerDn,
    TimerOn,
    SettingsOf,
    SettingsOn,
    SettingsDn,
    CloseOf,
    CloseOn,
    CloseDn
};
inline constexpr int kSkinPictureCount = 12;

// An external skin's picture files, by SkinPicture. A built-in skin names its
// resources "<skin>_" followed by the same name without ".bmp".
inline constexpr std::array<std::string_view, kSkinPictureCount> kSkinPictureFiles = {
    "face.bmp",        "mask.bmp",     "timer_of.bmp",    "timer_at.bmp",
    "timer_dn.bmp",    "timer_on.bmp", "settings_of.bmp", "settings_on.bmp",
    "settings_dn.bmp", "close_of.bmp", "close_on.bmp",    "close_dn.bmp"};

inline constexpr std::string_view kSkinDescriptionFile = "skin.ksf";

// The files a folder must hold to be a complete external skin: the
// description and the twelve pictures.
inline constexpr std::array<std::string_view, kSkinPictureCount + 1> kSkinFolderFiles = [] {
    std::array<std::string_view, kSkinPictureCount + 1> files{kSkinDescriptionFile};
    std::ranges::copy(kSkinPictureFiles, files.begin() + 1);
    return files;
}();

// "face.bmp", "timer_at.bmp", ...
inline std::string pictureFileName(SkinPicture picture) {
    return std::string(kSkinPictureFiles[std::size_t(picture)]);
}

// The picture's name without ".bmp": "face", "timer_at", ...
constexpr std::string_view pictureStem(SkinPicture picture) {
    std::string_view name = kSkinPictureFiles[std::size_t(picture)];
    name.remove_suffix(std::string_view(".bmp").size());
    return name;
}

} // namespace kok::skin
