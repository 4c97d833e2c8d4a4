// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kok::platform {

// Whether an address may be handed to the desktop to open: only web pages
// ("http://", "https://") and e-mail ("mailto:"), the scheme in any case.
// Local paths, file: and script addresses and program names are refused, so
// that a text from a skin or a settings file can never start a program.
bool isOpenableAddress(std::string_view address);

} // namespace kok::platform
