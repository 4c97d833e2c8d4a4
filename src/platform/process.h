// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kok::platform {

// Starts a program detached from this one. Returns whether it was started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments);

// Starts a command line the way WinExec does: the first word (quoted or not)
// is the program, the rest are its arguments.
bool startCommandLine(const std::string& commandLine);

} // namespace kok::platform
