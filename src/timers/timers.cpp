#include "timers/timers.h"

#include <QAction>
#include <QTimer>

#include "alarms/event_firing.h"
#include "face/clock_surface.h"
#include "face/time_text.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/tick_timer.h"
#include "settings/event_keys.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/warn_signal.h"
#include "timers/timer_state.h"

namespace kok::timers {
namespace {

namespace keys = settings::timer;

constexpr const char* kStartCountdownCaption = "Запустить таймер обратного отсчёта";
constexpr const char* kStopCountdownCaption = "Остановить таймер обратного отсчёта";
constexpr const char* kStartStopwatchCaption = "Запустить таймер прямого отсчёта";
constexpr const char* kStopStopwatchCaption = "Остановить таймер прямого отсчёта";
constexpr std::string_view kTimersUnusable = "\nИспользование таймеров будет невозможно.";

settings::IniFile timerState() {
    return settings::IniFile(timerStatePath());
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Timers::Timers(TimerParts parts, clock::ClockSurface& surface, alarm::EventFiring& firing,
               std::function<void()> repaintNow, QObject* parent)
    : QObject(parent), ui_(parts), surface_(surface), firing_(firing),
      repaintNow_(std::move(repaintNow)) {
    // Both tick just after the second boundary, with the clock.
    connect(ui_.tt_countdown, &platform::TickTimer::timeout, this, &Timers::tt_countdownTimer);
    connect(ui_.tt_timer, &platform::TickTimer::timeout, this, &Timers::tt_timerTimer);
}

bool Timers::load(const settings::IniFile& ini) {
    const settings::IniUpdate s = ini.snapshot();
    // The dialog's restart flag counts for the first load after its OK only.
    const bool fresh = countdownRestart_;
    countdownRestart_ = false;
    const bool use =
        countdownUse_.value_or(s.readFlag(keys::kName, keys::kUse, keys::kUseShowDefault));
    if (use) {
        setCountdownRunning(StartCountdown(fresh));
    } else {
        ui_.tt_countdown->stop();
        if (countdownRunning_) { // the dialog has just switched it off
            setCountdownRunning(false);
            ui_.mt_start_cdn->setText(kStartCountdownCaption);
        }
    }
    if (s.readFlag(keys::kName, keys::kActive, keys::kActiveShowDefault)) {
        stopwatchStarted_ = StartStopwatch(false);
    } else {
        ui_.tt_timer->stop();
        runState_ = Stopped;
        if (stopwatchStarted_) { // switched off behind its back
            stopwatchStarted_ = false;
            ui_.mt_start_tmr->setText(kStartStopwatchCaption);
            surface_.setTimerButtonRunning(false);
        }
    }
    updateUptimeDisplay();
    clockBackIfIdle();
    const bool stopMode = s.readFlag(keys::kName, keys::kTerminate, keys::kTerminateShowDefault);
    ui_.mt_mode_stop->setChecked(stopMode);
    ui_.mt_mode_pause->setChecked(!stopMode);
    return countdownRunning_ || stopwatchStarted_;
}

void Timers::startTick(platform::TickTimer* timer) {
    timer->start(clock::untilNextTick(platform::clock().now()));
}

void Timers::timersUnusable() {
    ui_.m_timers->setVisible(false);
    platform::showMessage(std::string(settings::kWriteFailureText) + std::string(kTimersUnusable));
}

bool Timers::writeState(const std::function<void(settings::IniUpdate&)>& edits) {
    try {
        timerState().update(edits);
        stateUnwritable_ = false;
    } catch (const settings::WriteError&) {
        stateUnwritable_ = true;
    }
    return !stateUnwritable_;
}

void Timers::clockBackIfIdle() {
    if (countdownRunning_ || stopwatchStarted_) return;
    if (!stateUnwritable_) removeTimerState();
    surface_.setClockTickRunning(true);
}

void Timers::updateUptimeDisplay() {
    surface_.setUptimeDisplayEnabled(!countdownRunning_ && !stopwatchStarted_);
}

void Timers::setCountdownRunning(bool running) {
    const bool changed = running != countdownRunning_;
    countdownRunning_ = running;
    if (changed && countdownChanged_) countdownChanged_();
}

// ---- Countdown

bool Timers::StartCountdown(bool fresh) {
    const platform::LocalTime now = platform::clock().now();
    const settings::IniUpdate s = settings::openSettings().snapshot();
    if (!writeState([&](settings::IniUpdate& state) {
            writeCountdownStart(state, s, now.secondOfDay(), fresh);
        })) {
        ui_.tt_countdown->stop();
        timersUnusable();
        return false;
    }
    if (fresh) {
        const CountdownRead c = readCountdown(timerState().snapshot());
        surface_.showTimerText(
            text(countdownText(countdownRemaining(c, now.secondOfDay()),
                               s.readFlag(keys::kName, keys::kAsTime, keys::kAsTimeDefault))));
    }
    ui_.mt_start_cdn->setText(kStopCountdownCaption);
    if (!surface_.hasTimerIndicator()) surface_.setClockTickRunning(false);
    startTick(ui_.tt_countdown);
    return true;
}

void Timers::tt_countdownTimer() {
    const platform::LocalTime now = platform::clock().now();
    startTick(ui_.tt_countdown);
    const CountdownTick tick =
        countdownTick(readCountdown(timerState().snapshot()), now.secondOfDay());
    surface_.showTimerText(text(tick.text));
    // Each warning starts the lock, so that an alarm's warning stays silent.
    for (int i = 0; i < tick.warnings; ++i)
        signal::PlayWarnSignal(*ui_.tt_locker, repaintNow_);
    if (tick.ended) {
        mt_start_cdnClick();
        firing_.FireEvent(settings::kCountdownEvent, false);
    }
}

void Timers::mt_start_cdnClick() {
    const bool on = !countdownRunning_;
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kUse, on);
        countdownUse_.reset();
    } catch (const settings::WriteError&) {
        ui_.m_timers->setVisible(false);
        if (on) return;
        // A countdown that has ended or is stopped must not come back with
        // the next load while the file still says it runs.
        countdownUse_ = false;
    }
    const bool started = on && StartCountdown(true);
    if (on && !started) {
        // A countdown that cannot keep its times must not tick on without
        // them (it would end at once).
        try {
            settings::openSettings().writeFlag(keys::kName, keys::kUse, false);
        } catch (const settings::WriteError&) {
            countdownUse_ = false;
        }
    }
    setCountdownRunning(started);
    if (!on) {
        ui_.mt_start_cdn->setText(kStartCountdownCaption);
        surface_.reshow();
    }
    if (!countdownRunning_) ui_.tt_countdown->stop();
    updateUptimeDisplay();
    clockBackIfIdle();
}

// ---- Stopwatch

bool Timers::stopwatchTicking() const {
    return ui_.tt_timer->isActive();
}

bool Timers::stopwatchPaused() const {
    return stopwatchStarted_ && runState_ == Paused;
}

void Timers::notifyStopwatch() {
    if (stopwatchChanged_) stopwatchChanged_();
}

bool Timers::StartStopwatch(bool fresh) {
    const platform::LocalTime now = platform::clock().now();
    if (fresh &&
        !writeState([&](settings::IniUpdate& state) { writeStopwatchStart(state, now); })) {
        ui_.tt_timer->stop();
        timersUnusable();
        return false;
    }
    ui_.mt_start_tmr->setText(kStopStopwatchCaption);
    if (!surface_.hasTimerIndicator()) surface_.setClockTickRunning(false);
    // A pause stays in force across loads and restarts.
    const StopwatchRead s = readStopwatch(timerState().snapshot(), now.secondOfDay());
    surface_.showTimerText(text(stopwatchText(stopwatchElapsed(s, now.secondOfDay()))));
    if (s.pausedAt) {
        runState_ = Paused;
        ui_.tt_timer->stop();
    } else {
        runState_ = Running;
        startTick(ui_.tt_timer);
    }
    surface_.setTimerButtonRunning(ui_.tt_timer->isActive());
    return true;
}

void Timers::tt_timerTimer() {
    const platform::LocalTime now = platform::clock().now();
    startTick(ui_.tt_timer);
    const StopwatchRead s = readStopwatch(timerState().snapshot(), now.secondOfDay());
    const QString shown = text(stopwatchText(stopwatchElapsed(s, now.secondOfDay())));
    surface_.showTimerText(shown);
    if (stopwatchShown_) stopwatchShown_(shown, text(clock::timeText(now)));
}

void Timers::PauseStopwatch() {
    if (runState_ != Running) return; // only a running stopwatch pauses
    ui_.tt_timer->stop();
    runState_ = Paused;
    surface_.setTimerButtonRunning(false);
    const platform::LocalTime now = platform::clock().now();
    // Not stored, the pause holds until the next load only.
    writeState([&](settings::IniUpdate& state) { writePause(state, now); });
    notifyStopwatch();
}

void Timers::ResumeStopwatch() {
    // Only a paused one resumes: a stopped stopwatch stays stopped.
    if (runState_ != Paused || !stopwatchStarted_) return;
    runState_ = Running;
    const int now = platform::clock().now().secondOfDay();
    writeState([&](settings::IniUpdate& state) { writeResume(state, now); });
    startTick(ui_.tt_timer);
    surface_.setTimerButtonRunning(true);
    notifyStopwatch();
}

void Timers::i_timerClick() {
    if (runState_ == Stopped || ui_.mt_mode_stop->isChecked())
        mt_start_tmrClick();
    else if (runState_ == Paused)
        ResumeStopwatch();
    else
        PauseStopwatch();
}

void Timers::mt_start_tmrClick() {
    const bool on = !stopwatchStarted_;
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kActive, on);
    } catch (const settings::WriteError&) {
        ui_.m_timers->setVisible(false);
        return;
    }
    stopwatchStarted_ = on;
    if (on && !StartStopwatch(true)) {
        stopwatchStarted_ = false; // as for the countdown: no ticking without its times
        try {
            settings::openSettings().writeFlag(keys::kName, keys::kActive, false);
        } catch (const settings::WriteError&) {
        }
    }
    if (!on) {
        ui_.mt_start_tmr->setText(kStartStopwatchCaption);
        runState_ = Stopped;
        surface_.reshow();
    }
    if (!stopwatchStarted_) {
        ui_.tt_timer->stop();
        runState_ = Stopped;
    }
    surface_.setTimerButtonRunning(ui_.tt_timer->isActive());
    updateUptimeDisplay();
    clockBackIfIdle();
    notifyStopwatch();
}

// ---- Button mode

void Timers::setMode(bool stopMode) {
    ui_.mt_mode_stop->setChecked(stopMode);
    ui_.mt_mode_pause->setChecked(!stopMode);
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kTerminate, stopMode);
    } catch (const settings::WriteError&) {
        ui_.mt_mode_stop->setVisible(false);
        ui_.mt_mode_pause->setVisible(false);
        return;
    }
    surface_.reshow();
}

void Timers::mt_mode_stopClick() {
    setMode(true);
}

void Timers::mt_mode_pauseClick() {
    setMode(false);
}

} // namespace kok::timers
