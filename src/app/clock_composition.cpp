// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clock_composition.h"

#include <QTime>

#include "alarms/alarm_controller.h"
#include "alarms/event_firing.h"
#include "app/command_center.h"
#include "clock/clock_window.h"
#include "clock/image_button.h"
#include "settings/settings_file.h"
#include "signals/bar_placement.h"
#include "signals/message_bar.h"
#include "timers/timers.h"

namespace kok::app {

ClockComposition::ClockComposition(clock::ClockWindow& window,
                                   commands::ClockCommands* frontCommands) {
    clock::ClockForm& ui = window.form();
    const auto repaint = [&window] { window.repaint(); };
    messageBar_ = std::make_unique<signal::MessageBar>(window, ui.p_messager, ui.tt_flash,
                                                       ui.hk_esc, ui.hk_enter);
    firing_ = std::make_unique<alarm::EventFiring>(
        alarm::FiringParts{ui.tt_reminder, ui.m_noremind, ui.tt_alarm, ui.tt_locker}, *messageBar_);
    alarms_ = std::make_unique<alarm::AlarmController>(
        alarm::AlarmParts{ui.tt_alarm, ui.tt_locker, ui.ma_slots, ui.m_alarms, ui.m_timers,
                          ui.m_separator_1, ui.m_separator_2},
        *firing_, *messageBar_, window, repaint);
    timers_ = std::make_unique<timers::Timers>(
        timers::TimerParts{ui.tt_countdown, ui.tt_timer, ui.tt_locker, ui.mt_start_cdn,
                           ui.mt_start_tmr, ui.mt_mode_stop, ui.mt_mode_pause, ui.m_timers,
                           ui.i_timer},
        window, *firing_, repaint);
    commands_ = std::make_unique<CommandCenter>(window, *messageBar_, *firing_, *timers_);
    window.attachParts(clock::ClockParts{*messageBar_, *firing_, *alarms_, *timers_,
                                         frontCommands ? *frontCommands : *commands_});

    signal::MessageBar* bar = messageBar_.get();
    QObject::connect(firing_.get(), &alarm::EventFiring::fired, &events_, [this](int event) {
        const std::string message = signal::readEventMessage(settings::openSettings(), event);
        emit events_.fired(event, QString::fromStdString(message));
    });
    QObject::connect(alarms_.get(), &alarm::AlarmController::missedShown, &events_,
                     [this](int slot, int hour, int minute) {
                         const std::string message =
                             signal::readEventMessage(settings::openSettings(), slot);
                         emit events_.missed(slot, QTime(hour, minute).toString("HH:mm"),
                                             QString::fromStdString(message));
                     });
    QObject::connect(bar, &signal::MessageBar::dismissed, &events_, [this, bar] {
        // A bar that only says something (event -1) is no event.
        if (bar->event() >= 0) emit events_.dismissed(bar->event());
    });
}

ClockComposition::~ClockComposition() = default;

commands::ClockCommands& ClockComposition::commands() {
    return *commands_;
}

} // namespace kok::app
