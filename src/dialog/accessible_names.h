// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QWidget;

namespace kok::dialog {

// Gives every control under `root` that has no accessible name of its own
// one that a screen reader can speak: the label that is its buddy or stands
// beside it, else the title of its group; in a group with several fields of
// one kind, the group's title and the field's caption. Buttons with a
// caption of words are named by it already.
void nameControls(QWidget* root);

// What the small buttons beside the pages' fields do, as their tooltip and
// accessible name.
enum class SmallButton {
    PlaySound,
    RunProgram,
    PlayBeep,
    ChooseSound,
    ChooseProgram,
    ChooseColour
};
void describeButton(QAbstractButton* button, SmallButton kind);

} // namespace kok::dialog
