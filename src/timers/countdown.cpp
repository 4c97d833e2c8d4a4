// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/countdown.h"

#include <QAction>

#include "alarms/event_firing.h"
#include "face/clock_surface.h"
#include "platform/clock.h"
#include "platform/qt_text.h"
#include "platform/tick_timer.h"
#include "platform/translate.h"
#include "settings/event_keys.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/warn_signal.h"
#include "timers/timer_parts.h"
#include "timers/timer_state.h"
#include "timers/timer_state_file.h"

namespace kok::timers {
namespace {

namespace keys = settings::timer;

constexpr const char* kStartCaption =
    QT_TRANSLATE_NOOP("ClockMenu", "Запустить таймер обратного отсчёта");
constexpr const char* kStopCaption =
    QT_TRANSLATE_NOOP("ClockMenu", "Остановить таймер обратного отсчёта");

} // namespace

Countdown::Countdown(CountdownParts parts, TimerStateFile& state, clock::ClockSurface& surface,
                     alarm::EventFiring& firing, std::function<void()> repaintNow,
                     std::function<void()> settle, QObject* parent)
    : QObject(parent), ui_(parts), state_(state), surface_(surface), firing_(firing),
      repaintNow_(std::move(repaintNow)), settle_(std::move(settle)) {
    connect(ui_.tt_countdown, &platform::TickTimer::timeout, this, &Countdown::tt_countdownTimer);
}

void Countdown::load(const settings::IniUpdate& settings) {
    // The dialog's restart flag counts for the first load after its OK only.
    const bool fresh = restart_;
    restart_ = false;
    if (use_.value_or(settings.readFlag(keys::kName, keys::kUse, keys::kUseShowDefault))) {
        setRunning(StartCountdown(fresh));
        return;
    }
    ui_.tt_countdown->stop();
    if (running_) { // the dialog has just switched it off
        setRunning(false);
        ui_.mt_start_cdn->setText(platform::trQ("ClockMenu", kStartCaption));
    }
}

void Countdown::setRunning(bool running) {
    const bool changed = running != running_;
    running_ = running;
    if (changed && changed_) changed_();
}

bool Countdown::StartCountdown(bool fresh) {
    const platform::LocalTime now = platform::clock().now();
    const settings::IniUpdate s = settings::openSettings().snapshot();
    if (!state_.write([&](settings::IniUpdate& state) {
            writeCountdownStart(state, s, now.secondOfDay(), fresh);
        })) {
        ui_.tt_countdown->stop();
        timersUnusable(*ui_.m_timers);
        return false;
    }
    if (fresh) {
        const CountdownRead c = readCountdown(state_.snapshot());
        surface_.showTimerText(platform::qText(
            countdownText(countdownRemaining(c, now.secondOfDay()),
                          s.readFlag(keys::kName, keys::kAsTime, keys::kAsTimeDefault))));
    }
    ui_.mt_start_cdn->setText(platform::trQ("ClockMenu", kStopCaption));
    if (!surface_.hasTimerIndicator()) surface_.setClockTickRunning(false);
    startTick(*ui_.tt_countdown);
    return true;
}

void Countdown::tt_countdownTimer() {
    const platform::LocalTime now = platform::clock().now();
    startTick(*ui_.tt_countdown);
    const CountdownTick tick = countdownTick(readCountdown(state_.snapshot()), now.secondOfDay());
    surface_.showTimerText(platform::qText(tick.text));
    // Each warning starts the lock, so that an alarm's warning stays silent.
    for (int i = 0; i < tick.warnings; ++i)
        signal::PlayWarnSignal(*ui_.tt_locker, repaintNow_);
    if (tick.ended) {
        mt_start_cdnClick();
        firing_.FireEvent(settings::kCountdownEvent, false);
    }
}

void Countdown::startAnew() {
    if (!running_) {
        mt_start_cdnClick();
        return;
    }
    const bool started = StartCountdown(true);
    setRunning(started);
    // Running on, it has a new length and end all the same.
    if (started && changed_) changed_();
    if (!running_) ui_.tt_countdown->stop();
    settle_();
}

int Countdown::secondsLeft() {
    return countdownRemaining(readCountdown(state_.snapshot()),
                              platform::clock().now().secondOfDay());
}

void Countdown::mt_start_cdnClick() {
    const bool on = !running_;
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kUse, on);
        use_.reset();
    } catch (const settings::WriteError&) {
        ui_.m_timers->setVisible(false);
        if (on) return;
        // A countdown that has ended or is stopped must not come back with
        // the next load while the file still says it runs.
        use_ = false;
    }
    const bool started = on && StartCountdown(true);
    if (on && !started) {
        // A countdown that cannot keep its times must not tick on without
        // them (it would end at once).
        try {
            settings::openSettings().writeFlag(keys::kName, keys::kUse, false);
        } catch (const settings::WriteError&) {
            use_ = false;
        }
    }
    setRunning(started);
    if (!on) {
        ui_.mt_start_cdn->setText(platform::trQ("ClockMenu", kStartCaption));
        surface_.reshow();
    }
    if (!running_) ui_.tt_countdown->stop();
    settle_();
}

} // namespace kok::timers
