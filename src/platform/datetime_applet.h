// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kok::platform {

// Opens the system's date and time settings. Failure is silent: there is
// nothing the user could do about a missing settings tool.
void openDateTimeSettings(bool xpFamily);

// The Linux desktops' date and time settings tools, the one of `desktop` (a
// value of XDG_CURRENT_DESKTOP, such as "KDE" or "ubuntu:GNOME") first.
std::vector<std::vector<std::string>> dateTimeSettingsCommands(std::string_view desktop);

} // namespace kok::platform
