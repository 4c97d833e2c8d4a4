// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kok::platform {

// Shows `window` on every workspace of the desktop (true) or on the current
// one only (false). Asked of the window manager as the desktop standards
// say (_NET_WM_DESKTOP, _NET_WM_STATE_STICKY); without X11 it does nothing.
void showOnAllWorkspaces(QWidget& window, bool all);

} // namespace kok::platform
