// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "face/settings_view.h"

namespace kok::commands {

// The stopwatch's moves a front may ask for. Toggle starts a stopped one and
// stops a started one; Click is the timer button's click, which toggles or
// pauses and resumes by the button's mode.
enum class StopwatchMove { Start, Pause, Resume, Stop, Reset, Toggle, Click };

// What the timer button's click does: start and stop, or pause and resume.
enum class TimerButtonMode { StartStop, PauseResume };

// What became of a command that can fail.
enum class Outcome {
    Done,
    NotStored,  // the Settings or Timer state file could not be written: the command did
                // not take effect (a countdown's new length may already be stored)
    NotStarted, // a pause or resume asked of a stopped stopwatch
};

// What the running clock tells a status query; empty texts mean "none".
struct ClockStatus {
    std::string time;          // hh:nn:ss
    std::string nextAlarm;     // "N hh:nn", or "N dd.mm hh:nn" on a later day
    std::string countdownLeft; // hh:nn:ss while the countdown runs
    std::string stopwatch;     // the reading while started, with "(paused)"
    std::string reminder;      // the event of the pending reminder
};

// "key: value" lines, one per field, "-" for an empty value.
std::string statusLines(const ClockStatus& status);

// The commands every front calls: the popup menu, the Settings dialog's
// clock link, the command line of a second start, D-Bus and a desktop
// notification's actions. Each runs on the clock's thread.
class ClockCommands {
  public:
    // Starts the countdown for `seconds` (also while one runs: anew); 0
    // keeps the length set in the Settings file.
    virtual Outcome startCountdown(int seconds) = 0;
    virtual void stopCountdown() = 0;
    virtual Outcome moveStopwatch(StopwatchMove move) = 0;
    virtual void setTimerButtonMode(TimerButtonMode mode) = 0;
    // Switches alarm slot 0..9.
    virtual Outcome switchAlarm(int slot, bool on) = 0;
    virtual void openSettings(face::SettingsView::Section section) = 0;
    virtual void hideFor(int seconds) = 0;
    virtual void showClock() = 0;
    virtual void restart() = 0;
    virtual void quit() = 0;
    virtual ClockStatus status() = 0;
    // What Esc on the Message bar does; nothing while no bar shows.
    virtual void dismissBar() = 0;
    // The event's reminder from now: after its reminder minutes, or 5.
    virtual void snooze(int event) = 0;
    // The Settings file changed: every part that reads it loads it again,
    // without hiding the clock.
    virtual void settingsChanged() = 0;

  protected:
    ~ClockCommands() = default;
};

// What happens on the clock that fronts follow: an alarm slot (0..9) or the
// countdown (10) fired with its message; its bar was dismissed.
class ClockEvents : public QObject {
    Q_OBJECT

  signals:
    void fired(int event, const QString& message);
    void dismissed(int event);
    // A once-alarm missed while the clock was off shows its message only.
    void missed(int event, const QString& time, const QString& message);
};

} // namespace kok::commands
