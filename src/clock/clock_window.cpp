// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/clock_window.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "alarms/alarm_controller.h"
#include "alarms/event_firing.h"
#include "clock/image_button.h"
#include "clock/indicator_label.h"
#include "commands/clock_commands.h"
#include "face/program_control.h"
#include "face/time_text.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/tick_timer.h"
#include "platform/workspaces.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "skin/form_shaper.h"
#include "timers/timers.h"

namespace kok::clock {

namespace keys = kok::settings;

ClockWindow::ClockWindow(QString firstArgument, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      firstArgument_(std::move(firstArgument)) {
    setObjectName("koktd");
    setWindowTitle("kOk DIAL TD");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Pointer moves over the face return hovered buttons to idle; right clicks
    // open the menu on release, after the position has been stored.
    setMouseTracking(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(200, 200);
    ui_.setupUi(this);
    connectComponents();
    FormCreate();
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::connectComponents() {
    connect(ui_.tt_time, &platform::TickTimer::timeout, this, &ClockWindow::tt_timeTimer);
    connect(ui_.tt_rebooter, &QTimer::timeout, this, &ClockWindow::tt_rebooterTimer);
    connect(ui_.tt_move, &QTimer::timeout, this, &ClockWindow::tt_moveTimer);
    connect(ui_.tt_priority, &QTimer::timeout, this, &ClockWindow::tt_priorityTimer);
    connect(ui_.tt_hide, &QTimer::timeout, this, &ClockWindow::tt_hideTimer);
    connect(ui_.tt_system, &QTimer::timeout, this, &ClockWindow::tt_systemTimer);
    connect(ui_.tt_shader, &QTimer::timeout, this, &ClockWindow::tt_shaderTimer);
    connectMenu();
    connectButtons();
}

void ClockWindow::attachParts(const ClockParts& parts) {
    messageBar_ = &parts.messageBar;
    firing_ = &parts.firing;
    alarms_ = &parts.alarms;
    timers_ = &parts.timers;
    commands_ = &parts.commands;
    connectParts();
}

void ClockWindow::connectParts() {
    // No menu pops up over the bar.
    connect(messageBar_, &signal::MessageBar::showingChanged, this,
            [this](bool showing) { menuAutoPopup_ = !showing; });
    connect(messageBar_, &signal::MessageBar::dismissed, alarms_,
            &alarm::AlarmController::onBarDismissed);
    connect(messageBar_, &signal::MessageBar::showingChanged, this, [this](bool showing) {
        if (dialog_) dialog_->setMessageBarShowing(showing);
    });
    hourlyChime_.setSoundRefused([this](const std::string& why) { messageBar_->tell(why); });
    connectOwnedItems();
    connectTimerButton();
}

void ClockWindow::setSettingsDialog(face::SettingsView* dialog) {
    dialog_ = dialog;
    connectSectionItems();
    timers_->stopwatch().setShown([this](const QString& reading, const platform::LocalTime& now) {
        if (!settingsDialogVisible()) return;
        dialog_->showStopwatchTime(reading);
        dialog_->showClockTime(QString::fromStdString(timeText(now)));
    });
    // Showing the dialog refreshes its pages; while it shows, they follow.
    timers_->stopwatch().setChanged([this] {
        if (settingsDialogVisible()) dialog_->refreshStopwatchPage();
    });
    timers_->countdown().setChanged([this] {
        if (settingsDialogVisible()) dialog_->refreshCountdownPage();
    });
    timers_->stopwatch().setModeChanged([this](bool stopMode) {
        if (settingsDialogVisible()) dialog_->showStopwatchMode(stopMode);
    });
    alarms_->setSwitchedOff([this](const std::vector<int>& switchedOff) {
        if (settingsDialogVisible()) dialog_->alarmsSwitched(switchedOff, false);
    });
}

void ClockWindow::loadAlarms(const settings::IniFile& ini) {
    alarms_->load(ini);
}

void ClockWindow::setCountdownRestart(bool fresh) {
    timers_->countdown().setRestart(fresh);
}

bool ClockWindow::countdownRunning() const {
    return timers_->countdown().running();
}

bool ClockWindow::stopwatchTicking() const {
    return timers_->stopwatch().ticking();
}

bool ClockWindow::stopwatchPaused() const {
    return timers_->stopwatch().paused();
}

void ClockWindow::pauseStopwatch() {
    commands_->moveStopwatch(commands::StopwatchMove::Pause);
}

void ClockWindow::resumeStopwatch() {
    commands_->moveStopwatch(commands::StopwatchMove::Resume);
}

void ClockWindow::toggleStopwatch() {
    commands_->moveStopwatch(timers_->stopwatch().started() ? commands::StopwatchMove::Stop
                                                            : commands::StopwatchMove::Start);
}

// A tick's text is painted in the pass of the event loop that follows the
// tick's handlers: the clock's and the stopwatch's texts of one second go to
// the screen in one paint and one flush, and the shown second still changes
// within a millisecond of the wall clock's.
void ClockWindow::showTimerText(const QString& text) {
    (hasSecondIndicator() ? ui_.t_timer : ui_.t_time)->setText(text);
}

void ClockWindow::setClockTickRunning(bool running) {
    if (running)
        startClockTick();
    else
        ui_.tt_time->stop();
}

void ClockWindow::setUptimeDisplayEnabled(bool enabled) {
    ui_.m_system->setEnabled(enabled);
    if (enabled && ui_.m_system->isChecked())
        ui_.tt_system->start();
    else
        ui_.tt_system->stop();
}

void ClockWindow::FormCreate() {
    applySkinOrRestart();
    if (firstArgument_.toStdString() == settings::kAutorunSwitch) {
        ui_.tt_rebooter->start();
        menuAutoPopup_ = false;
    }
}

bool ClockWindow::hasSecondIndicator() const {
    return !ui_.t_timer->isHidden();
}

void ClockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    face::program().requestTermination();
}

void ClockWindow::reloadSettings() {
    commands_->settingsChanged();
}

// What a show loads, for a window that stays shown.
void ClockWindow::applySettings() {
    FormShow();
}

void ClockWindow::FormShow() {
    const settings::IniFile ini = settings::openSettings();
    // The bar holds the window: its dismissal puts the clock back in place.
    if (!messageBar_->showing()) loadPosition(ini);
    loadPriorityAndMagnet(ini);
    platform::showOnAllWorkspaces(*this, ini.readFlag(keys::main_section::kName,
                                                      keys::main_section::kAllDesktops,
                                                      keys::main_section::kAllDesktopsDefault));
    hourlyChime_.load(ini);
    loadIndicatorMode(ini);
    loadAlarms(ini);
    const bool timerRuns = timers_->load(ini);
    if (hasSecondIndicator() || !timerRuns) {
        showCurrentTime();
        startClockTick();
    }
}

void ClockWindow::loadPosition(const settings::IniFile& ini) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int x = ini.readInteger(keys::main_section::kName, keys::main_section::kPosX,
                                  screen.width() - width() - keys::main_section::kPosXRightMargin);
    const int y = ini.readInteger(keys::main_section::kName, keys::main_section::kPosY,
                                  keys::main_section::kPosYDefault);
    const QPoint place = visiblePosition(QPoint(x, y));
    move(place);
    // A move to where the window already is, as to 0,0 before the first show,
    // reaches no native window: it would name no position of its own, and a
    // window manager would place it where it likes.
    if (QWindow* native = windowHandle()) native->setPosition(place);
}

void ClockWindow::loadPriorityAndMagnet(const settings::IniFile& ini) {
    if (ini.readFlag(keys::main_section::kName, keys::main_section::kPriority,
                     keys::main_section::kPriorityDefault))
        ui_.tt_priority->start();
    else
        ui_.tt_priority->stop();
    ui_.m_magnet->setChecked(ini.readFlag(keys::main_section::kName, keys::main_section::kMagnet,
                                          keys::main_section::kMagnetDefault));
}

void ClockWindow::loadIndicatorMode(const settings::IniFile& ini) {
    ui_.m_system->setChecked(ini.readFlag(keys::indicator::kName, keys::indicator::kSystemTime,
                                          keys::indicator::kSystemTimeDefault));
    if (ui_.m_system->isChecked()) {
        ui_.tt_system->start();
        tt_systemTimer(); // no stale text for the first second
        return;
    }
    ui_.tt_system->stop();
    const bool asZero = ini.readFlag(keys::indicator::kName, keys::indicator::kAsZero,
                                     keys::indicator::kAsZeroDefault);
    const bool asNone = ini.readFlag(keys::indicator::kName, keys::indicator::kAsNone,
                                     keys::indicator::kAsNoneDefault);
    ui_.t_timer->setText(QString::fromStdString(idleIndicatorText(asZero, asNone)));
}

void ClockWindow::showCurrentTime() {
    showTime(QString::fromStdString(timeText(platform::clock().now())));
}

// Assistive technology reads the time as the window's description: Qt offers
// a value to it only as a number, and the name stays the program's. Each
// change is an event to it, every second: none while no one listens.
void ClockWindow::showTime(const QString& text) {
    ui_.t_time->setText(text);
    if (QAccessible::isActive()) setAccessibleDescription(text);
}

// The tick is re-armed after every second so that it lands just after the
// system clock's second boundary instead of drifting away from it.
void ClockWindow::startClockTick() {
    ui_.tt_time->start(untilNextTick(platform::clock().now()));
}

void ClockWindow::tt_timeTimer() {
    const platform::LocalTime now = platform::clock().now();
    ui_.tt_time->start(untilNextTick(now));
    const QString shown = QString::fromStdString(timeText(now));
    showTime(shown);
    if (settingsDialogVisible()) dialog_->showClockTime(shown);
    // After the text is set: a chime step that holds the thread paints it first.
    hourlyChime_.onTick(now, [this] { repaint(); });
}

void ClockWindow::tt_rebooterTimer() {
    ui_.tt_rebooter->stop();
    menuAutoPopup_ = true;
    face::program().restartProgram();
}

// Every part that changed a setting asks for the load through the commands'
// one notice; the window is not hidden and shown for it.
void ClockWindow::reshow() {
    commands_->settingsChanged();
}

void ClockWindow::setIndicatorText(Indicator which, const QString& text) {
    (which == Indicator::Time ? ui_.t_time : ui_.t_timer)->setText(text);
}

} // namespace kok::clock
