// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the X11 code of the platform layer shares: the connection Qt's windows
// live on and the atoms named on it.

#include <string_view>
#include <xcb/xcb.h>

namespace kok::platform {

// Qt's X connection, or nullptr when the program does not run on X11 (the
// offscreen platform, Wayland without XWayland).
xcb_connection_t* x11Connection();

// The atom of `name`, made on the server if it has none yet; XCB_ATOM_NONE
// when the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name);

} // namespace kok::platform
