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
// the autostart pass ("/reboot", "/autorun"), like any other first argument
// that does not begin with "-", are a plain start, as before options
// existed. "-h" is "--help"; an unknown option is refused, so that a
// mistyped command does not start a clock.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// A duration as "[H:]MM:SS" in seconds, or -1 when it is not one.
int parseDuration(const std::string& text);

// What a command run on the clock gives back: how it went, and what to
// print (the status lines, or nothing).
struct CommandReply {
    Outcome outcome = Outcome::Done;
    std::string output;
};

CommandReply runCommand(const CommandLine& command, ClockCommands& clock);

// A Russian source text for the "Messages" translation context that says
// why a command failed; nullptr for Outcome::Done.
const char* outcomeText(Outcome outcome);

} // namespace kok::commands
