// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kok::platform {

// Finds the file a sound path written the Windows way names ("MEDIA\LOGOFF.wAv"):
// "\" and "/" both separate, a relative path starts in `baseDir`, and a component
// whose exact name is missing matches an entry of the same name in any case.
// Returns an empty path when no file is found.
std::filesystem::path resolveSoundPath(std::string_view path, const std::filesystem::path& baseDir);

} // namespace kok::platform
