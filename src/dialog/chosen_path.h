// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "dialog/file_kinds.h"

namespace kok::dialog {

// A path the file chooser returned becomes the text of a page's field, which
// is stored in the Settings file and read back later: a sound as a path (the
// Windows way, where "\" separates folders), a program as a command line
// (platform::startCommandLine). These say how, in UTF-8.

// The characters of `path` that its field could not give back as that same
// path, each once: line breaks and other control characters (an INI value is
// one line), "\" (read back as a folder separator), and in a program's path
// '"' (it would end the quoting). Empty when the path can be stored.
std::string unstorablePathCharacters(FileKind kind, std::string_view path);

// The field's text for the chosen path: a program's path with a blank is put
// in double quotes, so that it runs as that file rather than as its first
// word with the rest as arguments; any other path is stored as it is.
std::string storedChosenPath(FileKind kind, std::string_view path);

// The program a field's command line names (its first word, unquoted); the
// field's text itself for any other kind.
std::string pathInField(FileKind kind, std::string_view text);

} // namespace kok::dialog
