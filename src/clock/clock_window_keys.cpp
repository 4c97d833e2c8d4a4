// SPDX-License-Identifier: GPL-3.0-or-later
// The clock from the keyboard, once the window manager has given it the focus.

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "clock/clock_keys.h"
#include "clock/clock_window.h"
#include "signals/message_bar.h"

namespace kok::clock {

void ClockWindow::keyPressEvent(QKeyEvent* event) {
    switch (clockKeyCommand(event->key(), event->modifiers(), messageBar_->showing())) {
    case ClockKeyCommand::OpenMenu:
        popupMenuAtClock();
        return;
    case ClockKeyCommand::OpenSettings:
        if (!event->isAutoRepeat()) m_settingsClick();
        return;
    case ClockKeyCommand::None:
        QWidget::keyPressEvent(event);
        return;
    }
}

void ClockWindow::popupMenuAtClock() {
    if (!menuAutoPopup_) return;
    ui_.menu->popup(mapToGlobal(rect().center()));
    ui_.menu->setActiveAction(ui_.m_settings);
}

} // namespace kok::clock
