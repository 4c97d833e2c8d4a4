// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kok::platform {

// Opens a web page or an e-mail form with the desktop's default program;
// false when the address is not one that isOpenableAddress accepts or the
// desktop could not open it.
bool shellOpen(const QString& address);

} // namespace kok::platform
