// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"

#include <QMessageBox>
#include <QString>
#include <cstdint>

#include "platform/qt_text.h"
#include "platform/questions.h"
#include "platform/x11_atoms.h"

namespace kok::platform {
namespace {

// On X11, Qt never leaves a window title empty (it shows the program's name
// instead) and appends the application's display name to others. The box's
// title must be its caption and nothing else, so once the X window exists its
// name properties are set by hand; Qt does not set them again while it lives.
void setExactTitle(const QWidget& window, std::string_view title) {
    xcb_connection_t* c = x11Connection();
    if (!c) return; // not X11
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t utf8 = internAtom(c, "UTF8_STRING");
    for (const xcb_atom_t name : {xcb_atom_t(XCB_ATOM_WM_NAME), internAtom(c, "_NET_WM_NAME")})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, name, utf8, 8,
                            static_cast<std::uint32_t>(title.size()), title.data());
    xcb_flush(c);
}

} // namespace

void showMessage(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, qText(caption), qText(text), QMessageBox::Ok);
    box.setObjectName("kok_message");
    box.setTextFormat(Qt::PlainText); // messages carry paths and texts from files
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    setExactTitle(box, caption);
    questions().ask(box);
}

} // namespace kok::platform
