#pragma once

#include <filesystem>

namespace kok::platform {

// Full path of the running executable, and its folder: every file the
// program keeps lives there.
std::filesystem::path executablePath();
std::filesystem::path executableDir();

// The per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
std::filesystem::path userConfigDir();

} // namespace kok::platform
