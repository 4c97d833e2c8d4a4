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

// The words startCommandLine makes of a command line: blanks separate them,
// double quotes group them (three in a row inside quotes are one quote
// character), backslashes are plain characters.
std::vector<std::string> commandLineWords(const std::string& commandLine);

} // namespace kok::platform
