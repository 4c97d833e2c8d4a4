// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/autostart.h"

#include <stdexcept>

#include "platform/paths.h"
#include "settings/ini_file.h"

namespace kok::settings {

std::string autostartCommandLine(const std::filesystem::path& executable) {
    // Quoted so that a quote in the path stays part of it.
    return platform::joinCommandLine({executable.string(), std::string(kAutorunSwitch)});
}

std::optional<bool> autostartEntryExists(const platform::RunKeyStore& store) {
    try {
        return store.exists(kAutostartName);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool setAutostartEntry(platform::RunKeyStore& store, bool on,
                       const std::filesystem::path& executable) {
    try {
        if (on)
            store.write(kAutostartName, autostartCommandLine(executable));
        else if (store.exists(kAutostartName))
            store.remove(kAutostartName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool isXpFamilyVersion(std::string_view version) {
    return version != "Windows 98" && version != "Windows 95" &&
           version != "Windows Millennium Edition";
}

std::filesystem::path versionStorePath() {
    return platform::userConfigDir() / "koktd" / "registry.ini";
}

bool IsXpFamily() {
    const IniFile store(versionStorePath());
    return isXpFamilyVersion(store.readString(kVersionSection, kVersionKey, ""));
}

} // namespace kok::settings
