// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace kok::settings {

// Reads an integer value the way the INI reader of the program always has:
// decimal with an optional sign, or hexadecimal after "0x", "0X" (only when
// the text is longer than two characters) or "$". Hexadecimal takes up to
// eight digits and wraps into 32 bits; anything else that is not a number,
// or a decimal out of range, gives nothing.
std::optional<int> parseIniInteger(std::string_view text);

} // namespace kok::settings
