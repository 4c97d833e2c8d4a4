// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workspaces.h"

#include <QWidget>
#include <cstdint>
#include <cstdlib>

#include "platform/x11_atoms.h"

namespace kok::platform {
namespace {

constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
constexpr std::uint32_t kStateRemove = 0, kStateAdd = 1;

void sendToRoot(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                std::uint32_t d0, std::uint32_t d1) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = window;
    e.type = type;
    e.data.data32[0] = d0;
    e.data.data32[1] = d1;
    e.data.data32[3] = 1; // from a normal application
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    const xcb_window_t root = tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(tree);
    return root;
}

// The workspace the desktop shows now, or 0.
std::uint32_t currentDesktop(xcb_connection_t* c, xcb_window_t root) {
    const auto cookie = xcb_get_property(c, 0, root, internAtom(c, "_NET_CURRENT_DESKTOP"),
                                         XCB_ATOM_CARDINAL, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    std::uint32_t desktop = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        desktop = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return desktop;
}

} // namespace

// The property is written on the window itself, which a window manager
// reads when the window maps, and asked of it by message for a mapped one.
void showOnAllWorkspaces(QWidget& window, bool all) {
    xcb_connection_t* c = x11Connection();
    if (!c) return; // not X11
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t desktop = internAtom(c, "_NET_WM_DESKTOP");
    const xcb_atom_t state = internAtom(c, "_NET_WM_STATE");
    const xcb_atom_t sticky = internAtom(c, "_NET_WM_STATE_STICKY");
    const xcb_window_t root = rootOf(c, id);
    if (root == xcb_window_t(XCB_WINDOW_NONE)) return;
    const std::uint32_t wanted = all ? kAllDesktops : currentDesktop(c, root);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1, &wanted);
    sendToRoot(c, root, id, desktop, wanted, 0);
    sendToRoot(c, root, id, state, all ? kStateAdd : kStateRemove, sticky);
    xcb_flush(c);
}

} // namespace kok::platform
