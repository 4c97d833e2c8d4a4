// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "commands/clock_commands.h"

namespace kok::commands {

// What the program's arguments ask for.
struct CommandLine {
    enum class Action {
        Start,         // no command: start a clock (or say that one runs)
        Help,          // print the usage and end
        Version,       // print the version and end
        Countdown,     // `seconds`
        CountdownStop, //
        Stopwatch,     // `move`
        Alarm,         // `slot`, `on`
        Settings,      // `section`
        Show,
        Quit,
        Status,
        Error, // `error`: a bad command or value
    };
    Action action = Action::Start;
    int seconds = 0;
    StopwatchMove move = StopwatchMove::Start;
    int slot = 0;
    bool on = false;
    face::SettingsView::Section section = face::SettingsView::Options;
    // A Russian source text for the "Messages" translation context and the
    // argument it names (inserted for "%1").
    const char* error = nullptr;
    std::string errorArgument;

    // Whether this is a command for the running clock.
    bool forClock() const {
        return action != Action::Start && action != Action::Help && action != Action::Version &&
               action != Action::Error;
    }
};

// Reads the arguments after the program's name. The switches a restart and
// the autostart pass ("/reboot", "/autorun") and anything that is not an
// option are a plain start, as before options existed.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// A duration as "[H:]MM:SS" in seconds, or -1 when it is not one.
int parseDuration(const std::string& text);

// Runs a command on the clock; returns what to print (the status lines, or
// nothing).
std::string runCommand(const CommandLine& command, ClockCommands& clock);

} // namespace kok::commands
