// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "clock/clock_parts.h" // declares the parts
#include "commands/clock_commands.h"

namespace kok::clock {
class ClockWindow;
}

namespace kok::app {

class CommandCenter;

// The clock's parts, built beside its window from the window's named
// components and handed to it: the Message bar, the firing, the alarms, the
// timers and the commands over them, with the events fronts follow.
class ClockComposition {
  public:
    explicit ClockComposition(clock::ClockWindow& window);
    ~ClockComposition();

    commands::ClockCommands& commands();
    CommandCenter& commandCenter() { return *commands_; }
    commands::ClockEvents& events() { return events_; }
    signal::MessageBar& messageBar() { return *messageBar_; }
    alarm::EventFiring& firing() { return *firing_; }
    timers::Timers& timers() { return *timers_; }

  private:
    commands::ClockEvents events_;
    std::unique_ptr<signal::MessageBar> messageBar_;
    std::unique_ptr<alarm::EventFiring> firing_;
    std::unique_ptr<alarm::AlarmController> alarms_;
    std::unique_ptr<timers::Timers> timers_;
    std::unique_ptr<CommandCenter> commands_;
};

} // namespace kok::app
