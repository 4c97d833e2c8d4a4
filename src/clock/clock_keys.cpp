// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/clock_keys.h"

namespace kok::clock {

// Shift+F10 and the Menu key are the desktop's context-menu keys; Enter and
// Space press the clock's default command, the Settings. Keypad modifiers
// (Enter on the number block) do not change what a key means.
ClockKeyCommand clockKeyCommand(int key, Qt::KeyboardModifiers modifiers, bool barShowing) {
    if (barShowing) return ClockKeyCommand::None;
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Menu && held == Qt::NoModifier) return ClockKeyCommand::OpenMenu;
    if (key == Qt::Key_F10 && held == Qt::ShiftModifier) return ClockKeyCommand::OpenMenu;
    const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (press && held == Qt::NoModifier) return ClockKeyCommand::OpenSettings;
    return ClockKeyCommand::None;
}

} // namespace kok::clock
