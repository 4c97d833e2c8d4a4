// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kok::signal {
class MessageBar;
}
namespace kok::alarm {
class AlarmController;
class EventFiring;
} // namespace kok::alarm
namespace kok::timers {
class Timers;
}
namespace kok::commands {
class ClockCommands;
}

namespace kok::clock {

// The parts the Clock window shows and drives, built beside it and handed
// in: the window is their form, not their owner.
struct ClockParts {
    signal::MessageBar& messageBar;
    alarm::EventFiring& firing;
    alarm::AlarmController& alarms;
    timers::Timers& timers;
    commands::ClockCommands& commands;
};

} // namespace kok::clock
