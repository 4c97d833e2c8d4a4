// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kok::skin {

// Pixel height of a font of `pointSize` points, the platform's way: negative
// for the character height without internal leading, 0 for the default.
int FontHeightFromSize(int pointSize);

} // namespace kok::skin
