// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_line.h"
#include "support/recording_commands.h"

namespace {

using kok::commands::ClockStatus;
using kok::commands::CommandLine;
using kok::commands::parseCommandLine;
using kok::commands::StopwatchMove;
using Action = CommandLine::Action;
using Section = kok::face::SettingsView::Section;

// What a command asks of the clock, as one comparable line.
std::string described(const CommandLine& c) {
    switch (c.action) {
    case Action::Start:
        return "start";
    case Action::Help:
        return "help";
    case Action::Version:
        return "version";
    case Action::Countdown:
        return "countdown " + std::to_string(c.seconds);
    case Action::CountdownStop:
        return "countdown stop";
    case Action::Stopwatch:
        return "stopwatch " + std::to_string(int(c.move));
    case Action::Alarm:
        return "alarm " + std::to_string(c.slot) + (c.on ? " on" : " off");
    case Action::Settings:
        return "settings " + std::to_string(int(c.section));
    case Action::Show:
        return "show";
    case Action::Quit:
        return "quit";
    case Action::Status:
        return "status";
    case Action::Error:
        return "error " + c.errorArgument;
    }
    return "?";
}

TEST(CommandLine, ReadsEveryCommandAndRefusesBadValues) {
    const struct {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        // Plain starts, as before options existed: only the first argument counts.
        {{}, "start"},
        {{"/reboot"}, "start"},
        {{"/autorun"}, "start"},
        {{"/other"}, "start"},
        {{""}, "start"},
        // A word that is not an option is a plain start too.
        {{"help"}, "start"},
        {{"countdown", "05:00"}, "start"},
        // An unknown option is refused rather than start a clock.
        {{"-x"}, "error -x"},
        {{"--help"}, "help"},
        {{"-h"}, "help"},
        {{"--version"}, "version"},
        {{"--countdown", "05:00"}, "countdown 300"},
        {{"--countdown", "1:02:03"}, "countdown 3723"},
        {{"--countdown", "00:10"}, "countdown 10"},      // the shortest a countdown runs
        {{"--countdown", "5:59:59"}, "countdown 21599"}, // the longest
        {{"--countdown", "90:00"}, "countdown 5400"},    // minutes beyond 59 without hours
        {{"--countdown", "00:09"}, "error 00:09"},
        {{"--countdown", "6:00:00"}, "error 6:00:00"},
        {{"--countdown", "1:60:00"}, "error 1:60:00"},
        {{"--countdown", "05:60"}, "error 05:60"},
        {{"--countdown", "5"}, "error 5"},
        {{"--countdown", "-1:00"}, "error -1:00"},
        {{"--countdown", "1:2:3:4"}, "error 1:2:3:4"},
        {{"--countdown", "05:0x"}, "error 05:0x"},
        {{"--countdown"}, "error "},
        {{"--countdown", "stop"}, "countdown stop"},
        {{"--countdown", "stop", "now"}, "error now"},
        {{"--stopwatch", "start"}, "stopwatch 0"},
        {{"--stopwatch", "pause"}, "stopwatch 1"},
        {{"--stopwatch", "resume"}, "stopwatch 2"},
        {{"--stopwatch", "stop"}, "stopwatch 3"},
        {{"--stopwatch", "reset"}, "stopwatch 4"},
        {{"--stopwatch", "Start"}, "error Start"},
        {{"--stopwatch"}, "error "},
        {{"--alarm", "0", "on"}, "alarm 0 on"},
        {{"--alarm", "9", "off"}, "alarm 9 off"},
        {{"--alarm", "10", "on"}, "error 10 on"},
        {{"--alarm", "-1", "on"}, "error -1 on"},
        {{"--alarm", "3", "yes"}, "error 3 yes"},
        {{"--alarm", "3"}, "error 3 "},
        {{"--settings"}, "settings " + std::to_string(int(Section::Options))},
        {{"--settings", "alarm"}, "settings " + std::to_string(int(Section::Alarm))},
        {{"--settings", "stopwatch"}, "settings " + std::to_string(int(Section::Timer))},
        {{"--settings", "info"}, "settings " + std::to_string(int(Section::Info))},
        {{"--settings", "alarms"}, "error alarms"},
        {{"--show"}, "show"},
        {{"--quit"}, "quit"},
        {{"--status"}, "status"},
        {{"--status", "--quit"}, "error --quit"},
        {{"--stop"}, "error --stop"},
        {{"--"}, "error --"},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        const CommandLine parsed = parseCommandLine(c.args);
        EXPECT_EQ(described(parsed), c.expected) << joined;
        // A refusal names its reason; a command never carries one.
        EXPECT_EQ(parsed.action == Action::Error, parsed.error != nullptr) << joined;
    }
}

TEST(CommandLine, RunsEachCommandOnceAndPrintsOnlyTheStatus) {
    kok::test::RecordingCommands clock;
    clock.reported = ClockStatus{"07:59:50", "3 08:00", "", "00:00:12", "countdown"};
    const std::vector<std::vector<std::string>> commands = {{"--countdown", "2:00"},
                                                            {"--countdown", "stop"},
                                                            {"--stopwatch", "pause"},
                                                            {"--alarm", "4", "off"},
                                                            {"--settings", "skins"},
                                                            {"--show"},
                                                            {"--quit"}};
    for (const auto& args : commands)
        EXPECT_EQ(kok::commands::runCommand(parseCommandLine(args), clock).output, "");
    EXPECT_EQ(clock.calls, (std::vector<std::string>{
                               "countdown 120", "stop countdown", "stopwatch pause", "alarm 4 off",
                               "settings " + std::to_string(int(Section::Skins)), "show", "quit"}));
    clock.calls.clear();
    EXPECT_EQ(kok::commands::runCommand(parseCommandLine({"--status"}), clock).output,
              "time: 07:59:50\nnext-alarm: 3 08:00\ncountdown: -\nstopwatch: 00:00:12\n"
              "reminder: countdown\n");
    // Help, a plain start and a refusal touch nothing.
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {}, {"--alarm", "x", "on"}})
        EXPECT_EQ(kok::commands::runCommand(parseCommandLine(args), clock).output, "");
    EXPECT_EQ(clock.calls, std::vector<std::string>{"status"});
}

// A command the clock could not carry out comes back as such, with a text
// that says why; the commands that cannot fail come back done.
TEST(CommandLine, ReportsWhatTheClockCouldNotDo) {
    using kok::commands::Outcome;
    const std::vector<std::vector<std::string>> failing = {{"--countdown", "2:00"},
                                                           {"--stopwatch", "start"},
                                                           {"--stopwatch", "pause"},
                                                           {"--alarm", "4", "on"}};
    const std::vector<std::vector<std::string>> alwaysDone = {
        {"--countdown", "stop"}, {"--settings"}, {"--show"}, {"--quit"}, {"--status"}};
    for (const Outcome outcome : {Outcome::NotStored, Outcome::NotStarted}) {
        kok::test::RecordingCommands clock;
        clock.outcome = outcome;
        for (const auto& args : failing) {
            const auto reply = kok::commands::runCommand(parseCommandLine(args), clock);
            EXPECT_EQ(reply.outcome, outcome) << args[0] << " " << args[1];
        }
        for (const auto& args : alwaysDone)
            EXPECT_EQ(kok::commands::runCommand(parseCommandLine(args), clock).outcome,
                      Outcome::Done)
                << args[0];
        ASSERT_NE(kok::commands::outcomeText(outcome), nullptr);
    }
    EXPECT_EQ(kok::commands::outcomeText(Outcome::Done), nullptr);
    EXPECT_NE(std::string(kok::commands::outcomeText(Outcome::NotStored)),
              kok::commands::outcomeText(Outcome::NotStarted));
}

} // namespace
