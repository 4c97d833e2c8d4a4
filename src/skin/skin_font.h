// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

#include "skin/skin_description.h"

class QLabel;

namespace kok::skin {

// 0xBBGGRR as a colour.
QColor skinColor(int bgr);

// The font a skin asks for, starting from `base`. Face names of the home
// platform that this system lacks map to close equivalents: "MS Sans Serif"
// and "Small Fonts" to DejaVu Sans Condensed. The pixel height follows the
// platform rule: negative = character height without internal leading (the
// em size), positive = cell height, 0 = keep the default.
QFont skinFont(const SkinFont& font, const QFont& base);

// Gives `label` the skin's font and colour; true when either changed.
bool applySkinFont(QLabel& label, const SkinFont& font);

} // namespace kok::skin
