// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/clock_commands.h"

namespace kok::clock {
class ClockWindow;
}
namespace kok::signal {
class MessageBar;
}
namespace kok::alarm {
class EventFiring;
}
namespace kok::timers {
class Timers;
}

namespace kok::app {

// The clock's commands over its parts: what the menu, the dialog, the
// command line, D-Bus and the notifications' actions all call.
class CommandCenter final : public commands::ClockCommands {
  public:
    CommandCenter(clock::ClockWindow& window, signal::MessageBar& bar, alarm::EventFiring& firing,
                  timers::Timers& timers);

    void startCountdown(int seconds) override;
    void stopCountdown() override;
    void moveStopwatch(commands::StopwatchMove move) override;
    bool switchAlarm(int slot, bool on) override;
    void openSettings(face::SettingsView::Section section) override;
    void hideFor(int seconds) override;
    void showClock() override;
    void restart() override;
    void quit() override;
    commands::ClockStatus status() override;
    void settingsChanged() override;
    void dismissBar() override;
    void snooze(int event) override;

  private:
    clock::ClockWindow& window_;
    signal::MessageBar& bar_;
    alarm::EventFiring& firing_;
    timers::Timers& timers_;
};

} // namespace kok::app
