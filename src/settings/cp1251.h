// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kok::settings {

// The files on disk are Windows-1251; everything in memory is UTF-8.
// Characters that 1251 cannot hold are written as '?'.
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view cp1251);
// The characters of a UTF-8 text that 1251 cannot hold, each once in the
// order they first come, as UTF-8; empty when the text is written as it is.
std::string cp1251Unstorable(std::string_view utf8);

// Case folding of a single 1251 byte (ASCII and Cyrillic letters), for the
// case-insensitive section and key names.
unsigned char cp1251ToLower(unsigned char c);
bool equalsNoCase1251(std::string_view a, std::string_view b);

} // namespace kok::settings
