// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kok::skin {

// A path as the settings store it, possibly the Windows way
// ("Skins\Blue\face.bmp"), as a path on this system: backslashes become separators and,
// where a name does not exist with its exact case, an entry of the same
// name in another case is taken.
std::filesystem::path resolveWindowsPath(std::string_view stored);

} // namespace kok::skin
