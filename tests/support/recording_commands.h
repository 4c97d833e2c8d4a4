// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's commands as a recording fake: every call is one line in
// `calls`, and the commands that can fail give `outcome`.

#include <string>
#include <vector>

#include "commands/clock_commands.h"

namespace kok::test {

class RecordingCommands final : public commands::ClockCommands {
  public:
    using Move = commands::StopwatchMove;
    using Outcome = commands::Outcome;
    using Section = face::SettingsView::Section;

    std::vector<std::string> calls;
    Outcome outcome = Outcome::Done;
    commands::ClockStatus reported;

    Outcome startCountdown(int seconds) override {
        return record("countdown " + std::to_string(seconds));
    }
    void stopCountdown() override { record("stop countdown"); }
    Outcome moveStopwatch(Move move) override { return record("stopwatch " + moveName(move)); }
    void setTimerButtonMode(commands::TimerButtonMode mode) override {
        record(mode == commands::TimerButtonMode::StartStop ? "button start/stop"
                                                            : "button pause/resume");
    }
    Outcome switchAlarm(int slot, bool on) override {
        return record("alarm " + std::to_string(slot) + (on ? " on" : " off"));
    }
    void openSettings(Section section) override {
        record("settings " + std::to_string(int(section)));
    }
    void hideFor(int seconds) override { record("hide " + std::to_string(seconds)); }
    void showClock() override { record("show"); }
    void restart() override { record("restart"); }
    void quit() override { record("quit"); }
    commands::ClockStatus status() override {
        record("status");
        return reported;
    }
    void settingsChanged() override { record("settings changed"); }
    void dismissBar() override { record("dismiss"); }
    void snooze(int event) override { record("snooze " + std::to_string(event)); }

    static std::string moveName(Move move) {
        const char* names[] = {"start", "pause", "resume", "stop", "reset", "toggle", "click"};
        return names[int(move)];
    }

  private:
    Outcome record(std::string call) {
        calls.push_back(std::move(call));
        return outcome;
    }
};

} // namespace kok::test
