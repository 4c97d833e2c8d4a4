// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <string_view>

#include "skin/skin_font.h"

namespace kok::dialog {

// A font the pages name by face ("Arial", "Arial Black", "Small Fonts"), as
// this system has it; with no pixel height the size follows the widget's
// parent, as does everything else left unset. This system has no Arial Black:
// the heaviest weight of its substitute comes closest.
inline QFont pageFont(std::string_view face, int pixels = 0) {
    skin::SkinFont font;
    font.face = std::string(face);
    QFont f;
    f.setFamilies(skin::skinFont(font, f).families());
    if (pixels > 0) f.setPixelSize(pixels);
    if (face == "Arial Black") f.setWeight(QFont::Black);
    return f;
}

} // namespace kok::dialog
