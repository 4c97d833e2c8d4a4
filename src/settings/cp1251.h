// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kok::settings {

// The files on disk are Windows-1251; everything in memory is UTF-8.
// Characters that 1251 cannot hold are written as '?'.
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view cp1251);

// Case folding of a single 1251 byte (ASCII and Cyrillic letters), for the
// case-insensitive section and key names.
unsigned char cp1251ToLower(unsigned char c);
bool equalsNoCase1251(std::string_view a, std::string_view b);

} // namespace kok::settings
