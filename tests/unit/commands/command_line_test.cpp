// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_line.h"

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
        {{"something"}, "start"},
        {{"--help"}, "help"},
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

// Records what the clock was asked.
class RecordingClock final : public kok::commands::ClockCommands {
  public:
    std::vector<std::string> calls;
    void startCountdown(int seconds) override {
        calls.push_back("countdown " + std::to_string(seconds));
    }
    void stopCountdown() override { calls.push_back("stop countdown"); }
    void moveStopwatch(StopwatchMove m) override {
        calls.push_back("stopwatch " + std::to_string(int(m)));
    }
    bool switchAlarm(int slot, bool on) override {
        calls.push_back("alarm " + std::to_string(slot) + (on ? " on" : " off"));
        return true;
    }
    void openSettings(Section s) override { calls.push_back("settings " + std::to_string(int(s))); }
    void hideFor(int seconds) override { calls.push_back("hide " + std::to_string(seconds)); }
    void showClock() override { calls.push_back("show"); }
    void restart() override { calls.push_back("restart"); }
    void quit() override { calls.push_back("quit"); }
    ClockStatus status() override {
        calls.push_back("status");
        return ClockStatus{"07:59:50", "3 08:00", "", "00:00:12", "countdown"};
    }
    void settingsChanged() override { calls.push_back("settings changed"); }
    void dismissBar() override { calls.push_back("dismiss"); }
    void snooze(int event) override { calls.push_back("snooze " + std::to_string(event)); }
};

TEST(CommandLine, RunsEachCommandOnceAndPrintsOnlyTheStatus) {
    RecordingClock clock;
    const std::vector<std::vector<std::string>> commands = {{"--countdown", "2:00"},
                                                            {"--countdown", "stop"},
                                                            {"--stopwatch", "pause"},
                                                            {"--alarm", "4", "off"},
                                                            {"--settings", "skins"},
                                                            {"--show"},
                                                            {"--quit"}};
    for (const auto& args : commands)
        EXPECT_EQ(kok::commands::runCommand(parseCommandLine(args), clock), "");
    EXPECT_EQ(clock.calls, (std::vector<std::string>{
                               "countdown 120", "stop countdown", "stopwatch 1", "alarm 4 off",
                               "settings " + std::to_string(int(Section::Skins)), "show", "quit"}));
    clock.calls.clear();
    EXPECT_EQ(kok::commands::runCommand(parseCommandLine({"--status"}), clock),
              "time: 07:59:50\nnext-alarm: 3 08:00\ncountdown: -\nstopwatch: 00:00:12\n"
              "reminder: countdown\n");
    // Help, a plain start and a refusal touch nothing.
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {}, {"--alarm", "x", "on"}})
        EXPECT_EQ(kok::commands::runCommand(parseCommandLine(args), clock), "");
    EXPECT_EQ(clock.calls, std::vector<std::string>{"status"});
}

} // namespace
