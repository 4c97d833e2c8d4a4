// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QLineEdit;
class QSpinBox;

namespace kok::dialog {

// The arrows beside a number field are a spin box that shows only its arrows:
// the number stands in the field beside them. A step puts the arrows' new
// value into the field, and the field's change handler does the rest. Up,
// Down, Page Up and Page Down in the field step it as the arrows do.
void attachArrows(QSpinBox* arrows, QLineEdit* field);

// Puts the arrows at a typed value without reporting it, so that the next
// step starts from there (kept within the arrows' range).
void followField(QSpinBox* arrows, int value);

// The integer a number field holds, by the dialog's one rule for them (see
// field_integer.h); none when it holds none, and the page chooses what then.
std::optional<int> fieldInteger(const QLineEdit* field);

// The integer a number field holds for saving; throws InvalidField when it
// holds none, which fails the save.
int savedInteger(const QLineEdit* field);

} // namespace kok::dialog
