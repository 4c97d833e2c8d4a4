// Placement of the Clock window: dragging with edge snapping, storing the
// position, keeping the window in front, hiding it for a while.

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <string>
#include <vector>

#include "clock/clock_window.h"
#include "clock/move_step.h"
#include "dialog/settings_dialog.h"
#include "platform/message_box.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::clock {
namespace {

namespace keys = kok::settings;

constexpr int kHideShortMs = 10000;
constexpr int kHideLongMs = 60000;
constexpr std::string_view kPositionNotSaved =
    "\nСохранение положения программы на экране невозможно.";

// The options page's position fields follow a drag while the dialog is open.
void setPositionField(QWidget* dialog, const char* name, int value) {
    QWidget* field = dialog->findChild<QWidget*>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(QString::number(value));
    else if (auto* spin = qobject_cast<QSpinBox*>(field))
        spin->setValue(value);
}

bool settingsDialogVisible() {
    const dialog::SettingsDialog* d = dialog::settingsDialog();
    return d && d->isVisible();
}

} // namespace

void ClockWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Events from the face and the indicators arrive in window coordinates.
    dragOrigin_ = event->position().toPoint();
    tt_move->start();
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QWidget* target = childAt(event->position().toPoint());
    if (target == i_face || target == t_time || target == t_timer) m_settingsClick();
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    tt_move->stop();
    storePosition();
    if (event->button() == Qt::RightButton) popupMenu(event->globalPosition().toPoint());
}

void ClockWindow::mouseMoveEvent(QMouseEvent*) { resetButtonsToIdle(); }

void ClockWindow::tt_moveTimer() {
    const QPoint pointer = QCursor::pos();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const ScreenPoint to =
        moveStep({pointer.x(), pointer.y()}, {dragOrigin_.x(), dragOrigin_.y()},
                 m_magnet->isChecked(), {screen.width(), screen.height()}, {width(), height()});
    if (to.x == x() && to.y == y()) return;
    move(to.x, to.y);
    showPositionInDialog(QPoint(to.x, to.y));
}

void ClockWindow::showPositionInDialog(QPoint position) {
    if (!settingsDialogVisible()) return;
    setPositionField(dialog::settingsDialog(), "e_xx", position.x());
    setPositionField(dialog::settingsDialog(), "e_yy", position.y());
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
        settings::IniFile ini = settings::openSettings();
        ini.writeInteger(keys::main_section::kName, keys::main_section::kPosX, x());
        ini.writeInteger(keys::main_section::kName, keys::main_section::kPosY, y());
    } catch (const settings::WriteError&) {
        platform::showMessage(std::string(keys::kWriteFailureText) +
                              std::string(kPositionNotSaved));
    }
}

// Runs after the menu has toggled the check mark. A check mark that cannot be
// stored still holds for this run; the item goes, so it cannot mislead.
void ClockWindow::m_magnetClick() {
    try {
        settings::IniFile ini = settings::openSettings();
        ini.writeFlag(keys::main_section::kName, keys::main_section::kMagnet,
                      m_magnet->isChecked());
    } catch (const settings::WriteError&) {
        m_magnet->setVisible(false);
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

void ClockWindow::m_hide_10Click() { hideFor(kHideShortMs); }
void ClockWindow::m_hide_60Click() { hideFor(kHideLongMs); }

// A coarse timer may end a 10-second hide half a second early.
void ClockWindow::hideFor(int ms) {
    tt_hide->setTimerType(Qt::PreciseTimer);
    tt_hide->setInterval(ms);
    tt_priority->stop();
    tt_hide->start();
    hide();
}

// Showing the window again runs the show-time load: the stored position and
// "Priority" come back with it.
void ClockWindow::tt_hideTimer() {
    tt_hide->stop();
    show();
    raise();
}

} // namespace kok::clock
