// The popup menu's commands that belong to the window itself, and the wiring
// of the others.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "clock/clock_window.h"
#include "clock/uptime.h"
#include "platform/datetime_applet.h"
#include "platform/uptime.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::clock {

namespace keys = kok::settings;
using Section = face::SettingsView::Section;

void ClockWindow::connectMenu() {
    const std::pair<QAction*, void (ClockWindow::*)()> handlers[] = {
        {ui_.m_settings, &ClockWindow::m_settingsClick},
        {ui_.m_skin, &ClockWindow::m_skinClick},
        {ui_.m_datetime, &ClockWindow::m_datetimeClick},
        {ui_.m_system, &ClockWindow::m_systemClick},
        {ui_.m_magnet, &ClockWindow::m_magnetClick},
        {ui_.m_noremind, &ClockWindow::m_noremindClick},
        {ui_.ma_settings, &ClockWindow::ma_settingsClick},
        {ui_.mt_settings_cdn, &ClockWindow::mt_settings_cdnClick},
        {ui_.mt_settings_tmr, &ClockWindow::mt_settings_tmrClick},
        {ui_.mt_start_cdn, &ClockWindow::mt_start_cdnClick},
        {ui_.mt_start_tmr, &ClockWindow::mt_start_tmrClick},
        {ui_.mt_mode_stop, &ClockWindow::mt_mode_stopClick},
        {ui_.mt_mode_pause, &ClockWindow::mt_mode_pauseClick},
        {ui_.m_hide_10, &ClockWindow::m_hide_10Click},
        {ui_.m_hide_60, &ClockWindow::m_hide_60Click},
        {ui_.m_reboot, &ClockWindow::m_rebootClick},
        {ui_.m_info, &ClockWindow::m_infoClick},
        {ui_.m_close, &ClockWindow::m_closeClick},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    for (int slot = 0; slot < int(ui_.ma_slots.size()); ++slot)
        connect(ui_.ma_slots[slot], &QAction::triggered, this, [this, slot] { ma_0Click(slot); });
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

void ClockWindow::openSection(int section) {
    if (dialog_) dialog_->openSection(Section(section));
}

void ClockWindow::m_settingsClick() {
    activateWindow();
    openSection(Section::Options);
}

void ClockWindow::m_skinClick() {
    openSection(Section::Skins);
}
void ClockWindow::ma_settingsClick() {
    openSection(Section::Alarm);
}
void ClockWindow::mt_settings_cdnClick() {
    openSection(Section::Countdown);
}
void ClockWindow::mt_settings_tmrClick() {
    openSection(Section::Timer);
}
void ClockWindow::m_infoClick() {
    openSection(Section::Info);
}

void ClockWindow::m_datetimeClick() {
    platform::openDateTimeSettings(settings::IsXpFamily());
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
    reshow();
}

void ClockWindow::tt_systemTimer() {
    if (const auto seconds = platform::systemUptimeSeconds())
        ui_.t_timer->setText(QString::fromStdString(uptimeText(*seconds)));
}

} // namespace kok::clock
