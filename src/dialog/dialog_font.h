// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "skin/skin_font.h"

namespace kok::dialog {

// The dialog's font: "Small Fonts" as this system has it, 10 pixels high.
inline QFont dialogFont(const QFont& base) {
    skin::SkinFont font;
    font.face = "Small Fonts";
    font.height = -10;
    return skin::skinFont(font, base);
}

} // namespace kok::dialog
