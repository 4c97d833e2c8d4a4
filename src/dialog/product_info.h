// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The product's name, version and credits, and the addresses the info page
// opens, in one place.

#include <string_view>

namespace kok::dialog::product {

inline constexpr std::string_view kName = "kOk DIAL TD";
inline constexpr std::string_view kVersion = "10.0";
// "KTD.5." followed by the version.
inline constexpr std::string_view kBuildId = "KTD.5.10.0";

inline constexpr std::string_view kAuthorNick = "koktd";

inline constexpr std::string_view kMail = "koktd@example.org";
inline constexpr std::string_view kWebSite = "https://koktd.example.org/";
inline constexpr std::string_view kProductPage = "https://koktd.example.org/dial-td/";
inline constexpr std::string_view kSkinsPage = "https://koktd.example.org/skins";
inline constexpr std::string_view kIdsPage = "https://koktd.example.org/ids_ru.html";

} // namespace kok::dialog::product
