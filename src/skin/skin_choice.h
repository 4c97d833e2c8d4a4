// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kok::settings {
class IniFile;
class IniUpdate;
} // namespace kok::settings

namespace kok::skin {

// The skin the Settings file chooses for one family of systems.
struct SkinChoice {
    bool external = false;
    std::string path; // folder of an external skin, ending in a separator
    std::string name; // name of a built-in skin

    // The choice a failed load falls back to: the built-in "ext".
    bool isFallback() const { return !external && name == "ext"; }
};

// A missing folder reads as `pathDefault`: the loader's and the skins page's
// defaults differ.
SkinChoice readSkinChoice(const settings::IniUpdate& ini, bool xpFamily,
                          std::string_view pathDefault);
SkinChoice readSkinChoice(const settings::IniFile& ini, bool xpFamily);

// Sets the family's choice in the Settings file back to the built-in "ext".
// Throws settings::WriteError when the file cannot be written.
void resetSkinChoice(bool xpFamily);

} // namespace kok::skin
