// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace kok::dialog {

// A left button released over the widget it was pressed on: a click on a
// label or panel that has no clicked signal of its own.
inline bool isClick(const QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType()) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           static_cast<const QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

// Enter or Space: a click on a label that takes the keyboard focus.
inline bool isPressKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace kok::dialog
