#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QAction;
class QTimer;
namespace kok::platform {
class TickTimer;
}

namespace kok::alarm {
class EventFiring;
}
namespace kok::clock {
class ClockSurface;
}
namespace kok::settings {
class IniFile;
class IniUpdate;
} // namespace kok::settings
namespace kok::signal {
class WarningLock;
}

namespace kok::timers {

// The parts of the Clock window the countdown and the stopwatch drive.
struct TimerParts {
    platform::TickTimer* tt_countdown = nullptr;
    platform::TickTimer* tt_timer = nullptr;
    signal::WarningLock* tt_locker = nullptr; // the warning lock the countdown's warnings start
    QAction* mt_start_cdn = nullptr;
    QAction* mt_start_tmr = nullptr;
    QAction* mt_mode_stop = nullptr;
    QAction* mt_mode_pause = nullptr;
    QAction* m_timers = nullptr; // hidden when the timers cannot be stored
};

// The Countdown timer and the Stopwatch. Both keep their running state in the
// Settings file and their times in the Timer state file, which outlives an
// exit, so that a restart continues them; the file goes when neither is
// started.
class Timers : public QObject {
    Q_OBJECT

  public:
    Timers(TimerParts parts, clock::ClockSurface& surface, alarm::EventFiring& firing,
           std::function<void()> repaintNow, QObject* parent = nullptr);

    // The show-time load of both; returns whether either is started.
    bool load(const settings::IniFile& ini);
    // The settings dialog's OK: the next load starts a running countdown anew.
    void setCountdownRestart(bool fresh) { countdownRestart_ = fresh; }
    bool countdownRunning() const { return countdownRunning_; }
    // Every start and stop of the countdown (also its end), for the dialog's
    // countdown page.
    void setCountdownChanged(std::function<void()> changed) {
        countdownChanged_ = std::move(changed);
    }
    // The stopwatch's reading and the time of day at every tick, for the
    // dialog's stopwatch page (the clock's own tick stops while the
    // stopwatch takes its indicator).
    void setStopwatchShown(std::function<void(const QString&, const QString&)> shown) {
        stopwatchShown_ = std::move(shown);
    }
    // Every start, stop, pause and resume, for the dialog's stopwatch page.
    void setStopwatchChanged(std::function<void()> changed) {
        stopwatchChanged_ = std::move(changed);
    }
    // Whether the stopwatch's tick runs (started and not paused).
    bool stopwatchTicking() const;
    bool stopwatchPaused() const;

    void mt_start_cdnClick();
    void tt_countdownTimer();
    void mt_start_tmrClick();
    void tt_timerTimer();
    void PauseStopwatch();
    void ResumeStopwatch();
    void i_timerClick();
    void mt_mode_stopClick();
    void mt_mode_pauseClick();

  private:
    enum RunState { Stopped = 0, Paused = 1, Running = 2 };

    bool StartCountdown(bool fresh);
    bool StartStopwatch(bool fresh);
    void timersUnusable();
    // Applies the edits to the Timer state file; false when it cannot be written.
    bool writeState(const std::function<void(settings::IniUpdate&)>& edits);
    void setMode(bool stopMode);
    void startTick(platform::TickTimer* timer);
    // With neither timer started the state file goes and the clock comes back.
    void clockBackIfIdle();
    // The uptime display shares the timer indicator: on exactly while no timer
    // is started.
    void updateUptimeDisplay();
    void setCountdownRunning(bool running);
    void notifyStopwatch();

    TimerParts ui_;
    clock::ClockSurface& surface_;
    alarm::EventFiring& firing_;
    std::function<void()> repaintNow_;
    std::function<void()> countdownChanged_;
    std::function<void(const QString&, const QString&)> stopwatchShown_;
    std::function<void()> stopwatchChanged_;
    bool countdownRunning_ = false; // the menu item's running flag
    bool stopwatchStarted_ = false; // running or paused
    RunState runState_ = Stopped;
    bool countdownRestart_ = false;
    // The last write of the Timer state file failed: the file stays, so that
    // a started timer's times are not lost with it.
    bool stateUnwritable_ = false;
    // Set when the countdown's switch could not be stored: this run goes by it.
    std::optional<bool> countdownUse_;
};

} // namespace kok::timers
