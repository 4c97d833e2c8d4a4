// SPDX-License-Identifier: GPL-3.0-or-later
// The popup menu's commands that belong to the window itself, and the wiring
// of the others.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "alarms/alarm_controller.h"
#include "alarms/event_firing.h"
#include "clock/clock_window.h"
#include "clock/indicator_label.h"
#include "clock/uptime.h"
#include "commands/clock_commands.h"
#include "face/program_control.h"
#include "platform/datetime_applet.h"
#include "platform/uptime.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "timers/timers.h"

namespace kok::clock {

namespace keys = kok::settings;
using Section = face::SettingsView::Section;

void ClockWindow::connectMenu() {
    const std::pair<QAction*, void (ClockWindow::*)()> handlers[] = {
        {ui_.m_system, &ClockWindow::m_systemClick},
        {ui_.m_magnet, &ClockWindow::m_magnetClick},
        {ui_.m_hide_10, &ClockWindow::m_hide_10Click},
        {ui_.m_hide_60, &ClockWindow::m_hide_60Click},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    connect(ui_.m_datetime, &QAction::triggered, this,
            [] { platform::openDateTimeSettings(settings::IsXpFamily()); });
}

// Items whose work belongs to another part go through the clock's commands,
// as a command from outside does; the stopwatch's mode items and the
// reminder's item reach their part directly.
void ClockWindow::connectOwnedItems() {
    commands::ClockCommands* commands = commands_;
    for (int slot = 0; slot < int(ui_.ma_slots.size()); ++slot) {
        QAction* item = ui_.ma_slots[slot];
        connect(item, &QAction::triggered, this,
                [commands, slot](bool checked) { commands->switchAlarm(slot, checked); });
    }
    connect(ui_.m_noremind, &QAction::triggered, firing_, &alarm::EventFiring::m_noremindClick);
    connect(ui_.mt_start_cdn, &QAction::triggered, this, [this] {
        if (timers_->countdown().running())
            commands_->stopCountdown();
        else
            commands_->startCountdown(0);
    });
    connect(ui_.mt_start_tmr, &QAction::triggered, this, [this] {
        commands_->moveStopwatch(timers_->stopwatch().started() ? commands::StopwatchMove::Stop
                                                                : commands::StopwatchMove::Start);
    });
    timers::Stopwatch* stopwatch = &timers_->stopwatch();
    connect(ui_.mt_mode_stop, &QAction::triggered, stopwatch,
            &timers::Stopwatch::mt_mode_stopClick);
    connect(ui_.mt_mode_pause, &QAction::triggered, stopwatch,
            &timers::Stopwatch::mt_mode_pauseClick);
    connect(ui_.m_close, &QAction::triggered, this, [commands] { commands->quit(); });
    connect(ui_.m_reboot, &QAction::triggered, this, [commands] { commands->restart(); });
}

// The dialog's items open their section on it; the options item also makes
// the clock the active window first.
void ClockWindow::connectSectionItems() {
    const std::pair<QAction*, Section> items[] = {
        {ui_.m_skin, Section::Skins},
        {ui_.ma_settings, Section::Alarm},
        {ui_.mt_settings_cdn, Section::Countdown},
        {ui_.mt_settings_tmr, Section::Timer},
        {ui_.m_info, Section::Info},
    };
    commands::ClockCommands* commands = commands_;
    for (const auto& [action, section] : items)
        connect(action, &QAction::triggered, this,
                [commands, section] { commands->openSettings(section); });
    connect(ui_.m_settings, &QAction::triggered, this, &ClockWindow::m_settingsClick);
}

void ClockWindow::popupMenu(QPoint globalPos) {
    if (menuAutoPopup_) ui_.menu->popup(globalPos);
}

void ClockWindow::setSystemMenuVisible(bool visible) {
    ui_.m_system->setVisible(visible && !systemItemLost_);
}

void ClockWindow::setAlarmMenuVisible(bool visible) {
    ui_.m_alarms->setVisible(visible);
}

// Settings cannot be stored: the items that would change them go for good.
void ClockWindow::hideSettingsMenuItems() {
    systemItemLost_ = true;
    for (QAction* a : {ui_.m_skin, ui_.m_system, ui_.m_alarms, ui_.m_timers, ui_.m_separator_1})
        a->setVisible(false);
}

void ClockWindow::m_settingsClick() {
    commands_->openSettings(Section::Options);
}

// Runs after the menu has toggled the check mark. The show-time load then
// starts or stops the uptime display from what was written.
void ClockWindow::m_systemClick() {
    try {
        settings::IniFile ini = settings::openSettings();
        ini.writeFlag(keys::indicator::kName, keys::indicator::kSystemTime,
                      ui_.m_system->isChecked());
    } catch (const settings::WriteError&) {
        systemItemLost_ = true;
        ui_.m_system->setVisible(false);
        return;
    }
    if (settingsDialogVisible()) dialog_->showSystemTime(ui_.m_system->isChecked());
    commands_->settingsChanged();
}

void ClockWindow::tt_systemTimer() {
    if (const auto seconds = platform::systemUptimeSeconds())
        ui_.t_timer->setText(QString::fromStdString(uptimeText(*seconds)));
}

} // namespace kok::clock
