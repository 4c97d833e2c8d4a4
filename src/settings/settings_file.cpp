// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "platform/paths.h"
#include "settings/keys.h"

namespace kok::settings {

std::filesystem::path programFilePath(std::string_view name) {
    return platform::dataDir() / std::string(name);
}

std::filesystem::path settingsFilePath() {
    return programFilePath(kSettingsFileName);
}

} // namespace kok::settings
