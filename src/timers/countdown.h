// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <utility>

class QAction;
namespace kok::platform {
class TickTimer;
}
namespace kok::signal {
class WarningLock;
}
namespace kok::alarm {
class EventFiring;
}
namespace kok::clock {
class ClockSurface;
}
namespace kok::settings {
class IniUpdate;
}

namespace kok::timers {

class TimerStateFile;

struct CountdownParts {
    platform::TickTimer* tt_countdown = nullptr;
    signal::WarningLock* tt_locker = nullptr;
    QAction* mt_start_cdn = nullptr;
    QAction* m_timers = nullptr;
};

// The Countdown timer: counts a set duration down on the timer indicator,
// warns before the end and fires the countdown's event at it. Its switch is
// in the Settings file, its start and end in the Timer state file.
class Countdown : public QObject {
    Q_OBJECT

  public:
    // `settle` runs after every start and stop from the menu or the end: the
    // clock's display follows whether any timer is started.
    Countdown(CountdownParts parts, TimerStateFile& state, clock::ClockSurface& surface,
              alarm::EventFiring& firing, std::function<void()> repaintNow,
              std::function<void()> settle, QObject* parent = nullptr);

    // The countdown part of the show-time load.
    void load(const settings::IniUpdate& settings);
    // The settings dialog's OK: the next load starts a running countdown anew.
    void setRestart(bool fresh) { restart_ = fresh; }
    bool running() const { return running_; }
    // Starts it with the duration set in the Settings file; a running one
    // starts anew.
    void startAnew();
    // Seconds left while it runs.
    int secondsLeft();
    // Every start, start anew and stop (also the end), for the dialog's
    // countdown page.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

    void mt_start_cdnClick();
    void tt_countdownTimer();

  private:
    bool StartCountdown(bool fresh);
    void setRunning(bool running);

    CountdownParts ui_;
    TimerStateFile& state_;
    clock::ClockSurface& surface_;
    alarm::EventFiring& firing_;
    std::function<void()> repaintNow_;
    std::function<void()> settle_;
    std::function<void()> changed_;
    bool running_ = false; // the menu item's running flag
    bool restart_ = false;
    // Set when the switch could not be stored: this run goes by it.
    std::optional<bool> use_;
};

} // namespace kok::timers
