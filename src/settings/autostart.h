// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/run_key_store.h"

namespace kok::settings {

// Name of the autostart entry.
inline constexpr std::string_view kAutostartName = "kOk DIAL TD";

// The switch the entry starts the program with.
inline constexpr std::string_view kAutorunSwitch = "/autorun";

// The entry's command line: the quoted executable path, then " /autorun".
std::string autostartCommandLine(const std::filesystem::path& executable);

// Whether the entry exists; nothing when the store cannot be read.
std::optional<bool> autostartEntryExists(const platform::RunKeyStore& store);

// Creates (on) or removes (off) the entry for `executable`. Returns false when
// the store refuses; no message is shown for that.
bool setAutostartEntry(platform::RunKeyStore& store, bool on,
                       const std::filesystem::path& executable);

// The skin family: true for the "XP" family unless the stored system version
// is exactly one of the three names of the 9x family.
bool isXpFamilyVersion(std::string_view version);

// Where the Windows version is kept on a system without a registry: an INI
// file in the user's configuration folder, holding the same key and value as
// the registry would:
//   [HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion]
//   Version=Windows 98
std::filesystem::path versionStorePath();
inline constexpr std::string_view kVersionSection =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view kVersionKey = "Version";

bool IsXpFamily();

} // namespace kok::settings
