// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_center.h"

#include <QAction>

#include "alarms/event_firing.h"
#include "alarms/next_alarm.h"
#include "clock/clock_window.h"
#include "face/program_control.h"
#include "face/time_text.h"
#include "platform/clock.h"
#include "settings/event_keys.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "timers/timers.h"

namespace kok::app {

namespace keys = settings;

CommandCenter::CommandCenter(clock::ClockWindow& window, signal::MessageBar& bar,
                             alarm::EventFiring& firing, timers::Timers& timers)
    : window_(window), bar_(bar), firing_(firing), timers_(timers) {}

// A length of 0 keeps the one set in the Settings file.
void CommandCenter::startCountdown(int seconds) {
    if (seconds > 0) {
        try {
            settings::openSettings().writeInteger(keys::timer::kName, keys::timer::kCountDown,
                                                  seconds);
        } catch (const settings::WriteError&) {
            return; // the countdown would run for a length the user did not ask for
        }
    }
    timers_.countdown().startAnew();
}

void CommandCenter::stopCountdown() {
    if (timers_.countdown().running()) timers_.countdown().mt_start_cdnClick();
}

void CommandCenter::moveStopwatch(commands::StopwatchMove move) {
    timers::Stopwatch& s = timers_.stopwatch();
    switch (move) {
    case commands::StopwatchMove::Start:
        if (!s.started()) s.mt_start_tmrClick();
        break;
    case commands::StopwatchMove::Stop:
        if (s.started()) s.mt_start_tmrClick();
        break;
    case commands::StopwatchMove::Pause:
        s.PauseStopwatch();
        break;
    case commands::StopwatchMove::Resume:
        s.ResumeStopwatch();
        break;
    case commands::StopwatchMove::Reset:
        s.restartFromZero();
        break;
    }
}

bool CommandCenter::switchAlarm(int slot, bool on) {
    if (slot < 0 || slot >= int(window_.form().ma_slots.size())) return false;
    try {
        settings::openSettings().writeFlag(keys::alarms::kName,
                                           keys::alarms::slotKey(slot, keys::alarms::kUse), on);
    } catch (const settings::WriteError&) {
        for (QAction* a : {window_.form().m_alarms, window_.form().m_timers,
                           window_.form().m_separator_1, window_.form().m_separator_2})
            a->setVisible(false);
        return false;
    }
    // A dialog that shows keeps the switch through its OK.
    if (face::SettingsView* view = window_.settingsView(); view && view->isOpen())
        view->alarmsSwitched({slot}, on);
    settingsChanged();
    return true;
}

void CommandCenter::openSettings(face::SettingsView::Section section) {
    face::SettingsView* view = window_.settingsView();
    if (!view) return;
    // The options item also makes the clock the active window first.
    if (section == face::SettingsView::Options) window_.activateWindow();
    view->openSection(section);
}

void CommandCenter::hideFor(int seconds) {
    window_.hideFor(seconds * 1000);
}

void CommandCenter::showClock() {
    window_.showClock();
}

void CommandCenter::restart() {
    face::program().restartProgram();
}

void CommandCenter::quit() {
    face::program().requestTermination();
}

commands::ClockStatus CommandCenter::status() {
    const platform::LocalTime now = platform::clock().now();
    commands::ClockStatus s;
    s.time = clock::timeText(now);
    s.nextAlarm =
        alarm::nextAlarmText(alarm::readAlarmSettings(settings::openSettings().snapshot()), now);
    if (timers_.countdown().running())
        s.countdownLeft =
            clock::FormatDuration(std::max(0, timers_.countdown().secondsLeft()), true);
    const timers::Stopwatch& sw = timers_.stopwatch();
    if (sw.started())
        s.stopwatch =
            timers_.stopwatch().readingText().toStdString() + (sw.paused() ? " (paused)" : "");
    if (const int event = firing_.pendingReminder(); event >= 0)
        s.reminder =
            event >= settings::kCountdownEvent ? "countdown" : "alarm " + std::to_string(event);
    return s;
}

void CommandCenter::settingsChanged() {
    window_.applySettings();
}

} // namespace kok::app

namespace kok::app {

void CommandCenter::dismissBar() {
    bar_.p_messagerClick();
}

void CommandCenter::snooze(int event) {
    firing_.snooze(event);
}

} // namespace kok::app
