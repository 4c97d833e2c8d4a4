// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace kok::clock {

// What a key pressed on the focused clock asks for. The Message bar's Esc and
// Enter are shortcuts of their own and never come here while it shows.
enum class ClockKeyCommand { None, OpenMenu, OpenSettings };

ClockKeyCommand clockKeyCommand(int key, Qt::KeyboardModifiers modifiers, bool barShowing);

} // namespace kok::clock
