// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "timers/timer_state.h"

class QAction;
class QWidget;
namespace kok::platform {
class TickTimer;
struct LocalTime;
} // namespace kok::platform
namespace kok::clock {
class ClockSurface;
}
namespace kok::settings {
class IniUpdate;
}

namespace kok::timers {

class TimerStateFile;

struct StopwatchParts {
    platform::TickTimer* tt_timer = nullptr;
    QAction* mt_start_tmr = nullptr;
    QAction* mt_mode_stop = nullptr;
    QAction* mt_mode_pause = nullptr;
    QAction* m_timers = nullptr;
    QWidget* i_timer = nullptr; // its tooltip says what a click does in the mode
};

// The Stopwatch: counts the time since its start, less its pauses, on the
// timer indicator; the timer button starts and stops it or pauses and
// resumes it, by the mode chosen in the menu. Its switch and the button mode
// are in the Settings file, its times in the Timer state file.
class Stopwatch : public QObject {
    Q_OBJECT

  public:
    // `settle` runs after every start and stop from the menu or the button:
    // the clock's display follows whether any timer is started.
    Stopwatch(StopwatchParts parts, TimerStateFile& state, clock::ClockSurface& surface,
              std::function<void()> settle, QObject* parent = nullptr);

    // The stopwatch part of the show-time load, with the button mode.
    void load(const settings::IniUpdate& settings);
    // Running or paused.
    bool started() const { return started_; }
    // Whether its tick runs (started and not paused).
    bool ticking() const;
    bool paused() const { return started_ && runState_ == Paused; }
    // The reading and the time of day at every tick, for the dialog's
    // stopwatch page (the clock's own tick stops while the stopwatch takes
    // its indicator).
    void setShown(std::function<void(const QString&, const platform::LocalTime&)> shown) {
        shown_ = std::move(shown);
    }
    // Every start, stop, pause and resume, for the dialog's stopwatch page.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }
    // The button mode chosen from the menu (true: a click stops), for the
    // dialog's stopwatch page, which shows the mode OK will store.
    void setModeChanged(std::function<void(bool)> modeChanged) {
        modeChanged_ = std::move(modeChanged);
    }

    // The reading now while started, else empty.
    QString readingText();
    // A started stopwatch counts from zero again, keeping its run or pause.
    void restartFromZero();

    void mt_start_tmrClick();
    void tt_timerTimer();
    void PauseStopwatch();
    void ResumeStopwatch();
    void i_timerClick();
    void mt_mode_stopClick();
    void mt_mode_pauseClick();

  private:
    enum RunState { Stopped = 0, Paused = 1, Running = 2 };

    bool StartStopwatch(bool fresh);
    void setMode(bool stopMode);
    void showMode(bool stopMode);
    void notifyChanged();
    const StopwatchRead& reading(int nowSecondOfDay);

    StopwatchParts ui_;
    TimerStateFile& state_;
    clock::ClockSurface& surface_;
    std::function<void()> settle_;
    std::function<void(const QString&, const platform::LocalTime&)> shown_;
    std::function<void()> changed_;
    std::function<void(bool)> modeChanged_;
    bool started_ = false; // running or paused
    RunState runState_ = Stopped;
    std::optional<StopwatchRead> reading_;
    unsigned long long readingOf_ = 0; // the state file's generation it was read from
};

} // namespace kok::timers
