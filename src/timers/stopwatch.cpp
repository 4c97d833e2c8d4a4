// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/stopwatch.h"

#include <QAction>
#include <QWidget>

#include "face/clock_surface.h"
#include "platform/clock.h"
#include "platform/qt_text.h"
#include "platform/tick_timer.h"
#include "platform/translate.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "timers/timer_parts.h"
#include "timers/timer_state.h"
#include "timers/timer_state_file.h"

namespace kok::timers {
namespace {

namespace keys = settings::timer;

constexpr const char* kStartCaption =
    QT_TRANSLATE_NOOP("ClockMenu", "Запустить таймер прямого отсчёта");
constexpr const char* kStopCaption =
    QT_TRANSLATE_NOOP("ClockMenu", "Остановить таймер прямого отсчёта");
// What a click on the timer button does, by the mode.
constexpr const char* kStopModeTip =
    QT_TRANSLATE_NOOP("Stopwatch", "Таймер прямого отсчёта: щелчок — пуск или остановка со "
                                   "сбросом, двойной щелчок — пуск или остановка");
constexpr const char* kPauseModeTip =
    QT_TRANSLATE_NOOP("Stopwatch", "Таймер прямого отсчёта: щелчок — пуск, пауза или "
                                   "продолжение, двойной щелчок — пуск или остановка");

} // namespace

Stopwatch::Stopwatch(StopwatchParts parts, TimerStateFile& state, clock::ClockSurface& surface,
                     std::function<void()> settle, QObject* parent)
    : QObject(parent), ui_(parts), state_(state), surface_(surface), settle_(std::move(settle)) {
    connect(ui_.tt_timer, &platform::TickTimer::timeout, this, &Stopwatch::tt_timerTimer);
    showMode(keys::kTerminateShowDefault != 0); // until the show-time load reads it
}

void Stopwatch::load(const settings::IniUpdate& settings) {
    if (settings.readFlag(keys::kName, keys::kActive, keys::kActiveShowDefault)) {
        started_ = StartStopwatch(false);
    } else {
        ui_.tt_timer->stop();
        runState_ = Stopped;
        if (started_) { // switched off behind its back
            started_ = false;
            ui_.mt_start_tmr->setText(platform::trQ("ClockMenu", kStartCaption));
            surface_.setTimerButtonRunning(false);
        }
    }
    showMode(settings.readFlag(keys::kName, keys::kTerminate, keys::kTerminateShowDefault));
}

void Stopwatch::showMode(bool stopMode) {
    ui_.mt_mode_stop->setChecked(stopMode);
    ui_.mt_mode_pause->setChecked(!stopMode);
    if (ui_.i_timer)
        ui_.i_timer->setToolTip(
            platform::trQ("Stopwatch", stopMode ? kStopModeTip : kPauseModeTip));
}

bool Stopwatch::ticking() const {
    return ui_.tt_timer->isActive();
}

void Stopwatch::notifyChanged() {
    if (changed_) changed_();
}

bool Stopwatch::StartStopwatch(bool fresh) {
    const platform::LocalTime now = platform::clock().now();
    if (fresh &&
        !state_.write([&](settings::IniUpdate& state) { writeStopwatchStart(state, now); })) {
        ui_.tt_timer->stop();
        timersUnusable(*ui_.m_timers);
        return false;
    }
    ui_.mt_start_tmr->setText(platform::trQ("ClockMenu", kStopCaption));
    if (!surface_.hasTimerIndicator()) surface_.setClockTickRunning(false);
    // A pause stays in force across loads and restarts.
    const StopwatchRead& s = reading(now.secondOfDay());
    surface_.showTimerText(platform::qText(stopwatchText(stopwatchElapsed(s, now.secondOfDay()))));
    if (s.pausedAt) {
        runState_ = Paused;
        ui_.tt_timer->stop();
    } else {
        runState_ = Running;
        startTick(*ui_.tt_timer);
    }
    surface_.setTimerButtonRunning(ui_.tt_timer->isActive());
    return true;
}

// Parsing the state file's keys costs more than the rest of a tick: the
// reading is kept while the file is not read anew, unless it counts from now.
const StopwatchRead& Stopwatch::reading(int nowSecondOfDay) {
    const settings::IniUpdate& state = state_.snapshot();
    if (!reading_ || readingOf_ != state_.generation() || reading_->startFromNow) {
        reading_ = readStopwatch(state, nowSecondOfDay);
        readingOf_ = state_.generation();
    }
    return *reading_;
}

void Stopwatch::tt_timerTimer() {
    const platform::LocalTime now = platform::clock().now();
    startTick(*ui_.tt_timer, now);
    const StopwatchRead& s = reading(now.secondOfDay());
    const QString shown = platform::qText(stopwatchText(stopwatchElapsed(s, now.secondOfDay())));
    surface_.showTimerText(shown);
    if (shown_) shown_(shown, now);
}

QString Stopwatch::readingText() {
    if (!started_) return {};
    const int now = platform::clock().now().secondOfDay();
    return platform::qText(stopwatchText(stopwatchElapsed(reading(now), now)));
}

void Stopwatch::restartFromZero() {
    if (!started_) return;
    const bool wasPaused = paused();
    StartStopwatch(true);
    if (wasPaused) PauseStopwatch();
    notifyChanged();
}

void Stopwatch::PauseStopwatch() {
    if (runState_ != Running) return; // only a running stopwatch pauses
    ui_.tt_timer->stop();
    runState_ = Paused;
    surface_.setTimerButtonRunning(false);
    const platform::LocalTime now = platform::clock().now();
    // A state file that cannot be written keeps the pause until the next load only.
    state_.write([&](settings::IniUpdate& state) { writePause(state, now); });
    notifyChanged();
}

void Stopwatch::ResumeStopwatch() {
    // Only a paused one resumes: a stopped stopwatch stays stopped.
    if (runState_ != Paused || !started_) return;
    runState_ = Running;
    const int now = platform::clock().now().secondOfDay();
    state_.write([&](settings::IniUpdate& state) { writeResume(state, now); });
    startTick(*ui_.tt_timer);
    surface_.setTimerButtonRunning(true);
    notifyChanged();
}

void Stopwatch::i_timerClick() {
    if (runState_ == Stopped || ui_.mt_mode_stop->isChecked())
        mt_start_tmrClick();
    else if (runState_ == Paused)
        ResumeStopwatch();
    else
        PauseStopwatch();
}

void Stopwatch::mt_start_tmrClick() {
    const bool on = !started_;
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kActive, on);
    } catch (const settings::WriteError&) {
        ui_.m_timers->setVisible(false);
        return;
    }
    started_ = on;
    if (on && !StartStopwatch(true)) {
        started_ = false; // as for the countdown: no ticking without its times
        try {
            settings::openSettings().writeFlag(keys::kName, keys::kActive, false);
        } catch (const settings::WriteError&) {
        }
    }
    if (!on) {
        ui_.mt_start_tmr->setText(platform::trQ("ClockMenu", kStartCaption));
        runState_ = Stopped;
        surface_.reshow();
    }
    if (!started_) {
        ui_.tt_timer->stop();
        runState_ = Stopped;
    }
    surface_.setTimerButtonRunning(ui_.tt_timer->isActive());
    settle_();
    notifyChanged();
}

// ---- Button mode

void Stopwatch::setMode(bool stopMode) {
    showMode(stopMode);
    try {
        settings::openSettings().writeFlag(keys::kName, keys::kTerminate, stopMode);
    } catch (const settings::WriteError&) {
        ui_.mt_mode_stop->setVisible(false);
        ui_.mt_mode_pause->setVisible(false);
        return;
    }
    if (modeChanged_) modeChanged_(stopMode);
    surface_.reshow();
}

void Stopwatch::mt_mode_stopClick() {
    setMode(true);
}

void Stopwatch::mt_mode_pauseClick() {
    setMode(false);
}

} // namespace kok::timers
