// SPDX-License-Identifier: GPL-3.0-or-later
// Placement of the Clock window: dragging with edge snapping, storing the
// position, keeping the window in front, hiding it for a while.

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <string>
#include <vector>

#include "clock/clock_window.h"
#include "clock/face_label.h"
#include "clock/image_button.h"
#include "clock/indicator_label.h"
#include "clock/move_step.h"
#include "commands/clock_commands.h"
#include "platform/message_box.h"
#include "platform/translate.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::clock {
namespace {

namespace keys = kok::settings;

constexpr int kHideShortMs = 10000;
constexpr int kHideLongMs = 60000;
constexpr std::string_view kPositionNotSaved =
    QT_TRANSLATE_NOOP("Messages", "\nСохранение положения программы на экране невозможно.");

} // namespace

void ClockWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Events from the face and the indicators arrive in window coordinates.
    dragOrigin_ = event->position().toPoint();
    ui_.tt_move->start();
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QWidget* target = childAt(event->position().toPoint());
    if (target == ui_.i_face || target == ui_.t_time || target == ui_.t_timer) m_settingsClick();
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    ui_.tt_move->stop();
    storePosition();
    if (event->button() == Qt::RightButton) popupMenu(event->globalPosition().toPoint());
}

void ClockWindow::mouseMoveEvent(QMouseEvent*) {
    resetButtonsToIdle();
}

void ClockWindow::tt_moveTimer() {
    const QPoint pointer = QCursor::pos();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const ScreenPoint to =
        moveStep({pointer.x(), pointer.y()}, {dragOrigin_.x(), dragOrigin_.y()},
                 ui_.m_magnet->isChecked(), {screen.width(), screen.height()}, {width(), height()});
    if (to.x == x() && to.y == y()) return;
    move(to.x, to.y);
    if (settingsDialogVisible()) dialog_->showClockPosition(QPoint(to.x, to.y));
}

bool ClockWindow::settingsDialogVisible() const {
    return dialog_ && dialog_->isOpen();
}

QPoint ClockWindow::visiblePosition(QPoint stored) const {
    std::vector<ScreenRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        screens.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    const QSize primary = QGuiApplication::primaryScreen()->geometry().size();
    const ScreenPoint p = reachablePosition({stored.x(), stored.y()}, {width(), height()}, screens,
                                            {primary.width(), primary.height()});
    return {p.x, p.y};
}

void ClockWindow::storePosition() {
    try {
        settings::openSettings().update([this](settings::IniUpdate& ini) {
            ini.writeInteger(keys::main_section::kName, keys::main_section::kPosX, x());
            ini.writeInteger(keys::main_section::kName, keys::main_section::kPosY, y());
        });
    } catch (const settings::WriteError&) {
        platform::showMessage(platform::trText("Messages", keys::kWriteFailureText) +
                              platform::trText("Messages", kPositionNotSaved));
    }
}

// Runs after the menu has toggled the check mark. A check mark that cannot be
// stored still holds for this run; the item goes, so it cannot mislead.
void ClockWindow::m_magnetClick() {
    try {
        settings::IniFile ini = settings::openSettings();
        ini.writeFlag(keys::main_section::kName, keys::main_section::kMagnet,
                      ui_.m_magnet->isChecked());
    } catch (const settings::WriteError&) {
        ui_.m_magnet->setVisible(false);
    }
}

// The window is created on top already; raising it again once a second puts
// it back over windows that claimed the top since. Focus is left alone, and
// the window's own menu and message boxes stay above it.
void ClockWindow::tt_priorityTimer() {
    if (settingsDialogVisible() || !isVisible()) return;
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
    raise();
}

void ClockWindow::m_hide_10Click() {
    commands_->hideFor(kHideShortMs / 1000);
}
void ClockWindow::m_hide_60Click() {
    commands_->hideFor(kHideLongMs / 1000);
}

void ClockWindow::hideFor(int ms) {
    ui_.tt_hide->setInterval(ms);
    ui_.tt_priority->stop();
    ui_.tt_hide->start();
    hide();
}

// Showing the window again runs the show-time load: the stored position and
// "Priority" come back with it.
void ClockWindow::tt_hideTimer() {
    showClock();
}

// A bar that shows stays as it is; a hidden clock comes back at its place.
void ClockWindow::showClock() {
    ui_.tt_hide->stop();
    show();
    raise();
}

} // namespace kok::clock
