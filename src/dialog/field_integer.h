// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace kok::dialog {

// The integer a number field of the dialog holds: blanks before it and a sign
// are allowed, nothing after it. Anything else (also an empty field or a
// number beyond an int) holds none, and the page applies its rule for that.
std::optional<int> fieldInteger(std::string_view text);

} // namespace kok::dialog
