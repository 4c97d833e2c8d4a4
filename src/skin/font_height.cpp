// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/font_height.h"

namespace kok::skin {

int FontHeightFromSize(int pointSize) {
    if (pointSize <= 4) return -(pointSize + 1);
    if (pointSize <= 100) return -(pointSize + (pointSize + 1) / 3);
    return 0;
}

} // namespace kok::skin
