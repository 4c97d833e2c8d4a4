// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "settings/ini_file.h"

namespace kok::settings {

// The program's own files, in the folder chosen at start (platform::dataDir()).
std::filesystem::path settingsFilePath();
std::filesystem::path programFilePath(std::string_view name);

inline IniFile openSettings() {
    return IniFile(settingsFilePath());
}

} // namespace kok::settings
