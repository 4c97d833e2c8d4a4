// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kok::platform {

// A message with no owner window, an OK button only, on top of every other
// window; returns when the user has pressed OK.
void showMessage(std::string_view text, std::string_view caption = {});

} // namespace kok::platform
