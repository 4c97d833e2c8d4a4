// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kok::dialog {

// Tab enters each set of radios (those of one button group, or the
// auto-exclusive ones of one frame) at its checked radio, or at its first
// usable one while the checked one is disabled or none is checked; the
// arrows move within the set. Call it before the focus moves: it reads the
// checks as they are then.
void enterRadioSetsAtChecked(QWidget* root);

} // namespace kok::dialog
