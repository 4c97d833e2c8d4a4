// The popup menu, the invisible keyboard menu, and the commands of the menu
// that belong to the window itself.

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include "clock/clock_window.h"
#include "clock/uptime.h"
#include "dialog/settings_dialog.h"
#include "platform/datetime_applet.h"
#include "platform/uptime.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::clock {
namespace {

namespace keys = kok::settings;
using Section = dialog::SettingsDialog::Section;

QAction* addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    return a;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(name);
    return a;
}

QAction* addSubmenu(QMenu* menu, const char* name, const char* caption) {
    auto* sub = new QMenu(QString::fromUtf8(caption), menu);
    sub->setObjectName(QString::fromUtf8(name) + "_menu");
    QAction* a = menu->addMenu(sub);
    a->setObjectName(name);
    return a;
}

void openSection(Section section) {
    if (dialog::SettingsDialog* d = dialog::settingsDialog()) d->openSection(section);
}

} // namespace

void ClockWindow::buildMenu() {
    menu = new QMenu(this);
    menu->setObjectName("menu");

    m_settings = addItem(menu, "m_settings", "Настройки");
    menu->setDefaultAction(m_settings);
    m_skin = addItem(menu, "m_skin", "Выбор темы интерфейса");
    m_datetime = addItem(menu, "m_datetime", "Корректировка даты и времени");
    m_system = addItem(menu, "m_system", "Показывать время работы Windows");
    m_system->setCheckable(true);
    m_system->setVisible(false); // until a skin with a second indicator says otherwise
    m_magnet = addItem(menu, "m_magnet", "Использовать прилипание к краям экрана");
    m_magnet->setCheckable(true);
    m_separator_1 = addSeparator(menu, "m_separator_1");
    m_noremind = addItem(menu, "m_noremind", "Отменить ближайшее напоминание");
    m_noremind->setVisible(false);

    m_alarms = addSubmenu(menu, "m_alarms", "Будильники");
    QMenu* alarms = m_alarms->menu();
    ma_settings = addItem(alarms, "ma_settings", "Настройки");
    alarms->setDefaultAction(ma_settings);
    addSeparator(alarms, "ma_separator");
    for (int slot = 0; slot < int(ma_slots.size()); ++slot) {
        const QByteArray name = "ma_" + QByteArray::number(slot);
        QAction* a = addItem(alarms, name.constData(), "");
        a->setCheckable(true);
        a->setData(slot);
        connect(a, &QAction::triggered, this, [this, slot] { ma_0Click(slot); });
        ma_slots[slot] = a;
    }

    m_timers = addSubmenu(menu, "m_timers", "Таймеры");
    QMenu* timers = m_timers->menu();
    mt_settings_cdn = addItem(timers, "mt_settings_cdn", "Настройки таймера обратного отсчёта");
    mt_settings_tmr = addItem(timers, "mt_settings_tmr", "Настройки таймера прямого отсчёта");
    addSeparator(timers, "mt_separator_1");
    mt_start_cdn = addItem(timers, "mt_start_cdn", "Запустить таймер обратного отсчёта");
    mt_start_tmr = addItem(timers, "mt_start_tmr", "Запустить таймер прямого отсчёта");
    addSeparator(timers, "mt_separator_2");
    mt_mode_stop = addItem(timers, "mt_mode_stop", "Режим кнопки таймера: остановка и сброс");
    mt_mode_pause = addItem(timers, "mt_mode_pause", "Режим кнопки таймера: пауза и продолжение");
    auto* modes = new QActionGroup(timers);
    modes->setObjectName("mt_mode");
    for (QAction* a : {mt_mode_stop, mt_mode_pause}) {
        a->setCheckable(true);
        modes->addAction(a);
    }

    addSeparator(menu, "m_separator_2");
    m_hide_10 = addItem(menu, "m_hide_10", "Скрыть на 10 секунд");
    m_hide_60 = addItem(menu, "m_hide_60", "Скрыть на 60 секунд");
    addSeparator(menu, "m_separator_3");
    m_reboot = addItem(menu, "m_reboot", "Перезапуск");
    m_info = addItem(menu, "m_info", "Информация");
    m_close = addItem(menu, "m_close", "Выход");

    const std::pair<QAction*, void (ClockWindow::*)()> handlers[] = {
        {m_settings, &ClockWindow::m_settingsClick},
        {m_skin, &ClockWindow::m_skinClick},
        {m_datetime, &ClockWindow::m_datetimeClick},
        {m_system, &ClockWindow::m_systemClick},
        {m_magnet, &ClockWindow::m_magnetClick},
        {m_noremind, &ClockWindow::m_noremindClick},
        {ma_settings, &ClockWindow::ma_settingsClick},
        {mt_settings_cdn, &ClockWindow::mt_settings_cdnClick},
        {mt_settings_tmr, &ClockWindow::mt_settings_tmrClick},
        {mt_start_cdn, &ClockWindow::mt_start_cdnClick},
        {mt_start_tmr, &ClockWindow::mt_start_tmrClick},
        {mt_mode_stop, &ClockWindow::mt_mode_stopClick},
        {mt_mode_pause, &ClockWindow::mt_mode_pauseClick},
        {m_hide_10, &ClockWindow::m_hide_10Click},
        {m_hide_60, &ClockWindow::m_hide_60Click},
        {m_reboot, &ClockWindow::m_rebootClick},
        {m_info, &ClockWindow::m_infoClick},
        {m_close, &ClockWindow::m_closeClick},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
}

// A hidden menu of its own keeps the two shortcuts out of the popup menu; the
// window carries them too, so that they work while it has the focus.
void ClockWindow::buildHotkeys() {
    hotkeys = new QMenu(this);
    hotkeys->setObjectName("hotkeys");
    hk_esc = addItem(hotkeys, "hk_esc", "Esc");
    hk_esc->setShortcut(QKeySequence(Qt::Key_Escape));
    hk_enter = addItem(hotkeys, "hk_enter", "Enter");
    hk_enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    for (QAction* a : {hk_esc, hk_enter}) {
        a->setVisible(false);
        a->setEnabled(false);
        addAction(a);
        connect(a, &QAction::triggered, this, &ClockWindow::p_messagerClick);
    }
}

void ClockWindow::popupMenu(QPoint globalPos) {
    if (menuAutoPopup_) menu->popup(globalPos);
}

void ClockWindow::setSystemMenuVisible(bool visible) {
    m_system->setVisible(visible && !systemItemLost_);
}

void ClockWindow::reshow() {
    hide();
    show();
}

void ClockWindow::m_settingsClick() {
    activateWindow();
    openSection(Section::Options);
    if (dialog::SettingsDialog* d = dialog::settingsDialog()) {
        d->raise();
        d->activateWindow();
    }
}

void ClockWindow::m_skinClick() { openSection(Section::Skins); }
void ClockWindow::ma_settingsClick() { openSection(Section::Alarm); }
void ClockWindow::mt_settings_cdnClick() { openSection(Section::Countdown); }
void ClockWindow::mt_settings_tmrClick() { openSection(Section::Timer); }
void ClockWindow::m_infoClick() { openSection(Section::Info); }

void ClockWindow::m_datetimeClick() { platform::openDateTimeSettings(settings::IsXpFamily()); }

// Runs after the menu has toggled the check mark. The show-time load then
// starts or stops the uptime display from what was written.
void ClockWindow::m_systemClick() {
    try {
        settings::IniFile ini = settings::openSettings();
        ini.writeFlag(keys::indicator::kName, keys::indicator::kSystemTime, m_system->isChecked());
    } catch (const settings::WriteError&) {
        systemItemLost_ = true;
        m_system->setVisible(false);
        return;
    }
    reshow();
}

void ClockWindow::tt_systemTimer() {
    if (const auto seconds = platform::systemUptimeSeconds())
        t_timer->setText(QString::fromStdString(uptimeText(*seconds)));
}

} // namespace kok::clock
