// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/program_folder.h"
#include "support/test_clock.h"
#include "timers/timer_state.h"

namespace {

using namespace kok;
namespace keys = settings::timer;

struct Clock {
    int day, hour, minute, second = 0; // day of May 2024
};

settings::IniFile stateFile() {
    return settings::IniFile(timers::timerStatePath());
}

// Every step goes through the file on disk, as the program's handlers do.
struct CountdownStep {
    Clock at;
    std::string text;
    int warnings = 0;
    bool ended = false;
};
struct CountdownCase {
    const char* name;
    std::optional<int> countDown, asTime, warn1, warn2; // in the Settings file, absent when empty
    Clock start;
    std::vector<CountdownStep> ticks;
};

TEST(Countdown, TicksDownWarnsAndEndsAcrossMidnight) {
    const std::vector<CountdownCase> cases = {
        {"100 s from noon",
         100,
         1,
         {},
         {},
         {1, 12, 0, 0},
         {{{1, 12, 0, 0}, "00:01:40"},
          {{1, 12, 1, 39}, "00:00:01"},
          {{1, 12, 1, 40}, "00:00:00", 0, true}}},
        {"warnings at 60 and 10",
         100,
         1,
         60,
         10,
         {1, 12, 0, 0},
         {{{1, 12, 0, 39}, "00:01:01"},
          {{1, 12, 0, 40}, "00:01:00", 1},
          {{1, 12, 1, 30}, "00:00:10", 1},
          {{1, 12, 1, 31}, "00:00:09"}}},
        {"equal offsets warn twice",
         100,
         1,
         10,
         10,
         {1, 12, 0, 0},
         {{{1, 12, 1, 30}, "00:00:10", 2}}},
        {"past midnight",
         120,
         1,
         {},
         {},
         {1, 23, 59, 0},
         {{{2, 0, 0, 59}, "00:00:01"}, {{2, 0, 1, 0}, "00:00:00", 0, true}}},
        {"plain seconds",
         100,
         0,
         {},
         {},
         {1, 12, 0, 0},
         {{{1, 12, 0, 0}, "100"}, {{1, 12, 0, 1}, "99"}, {{1, 12, 0, 2}, "98"}}},
        // The tick's own defaults (warnings at 1 s) must not apply to a started countdown.
        {"empty Settings file",
         {},
         {},
         {},
         {},
         {1, 8, 0, 0},
         {{{1, 8, 0, 0}, "00:01:40"}, {{1, 8, 1, 39}, "00:00:01"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder folder;
        test::TestClock clock(2024, 5, c.start.day, c.start.hour, c.start.minute, c.start.second);
        settings::openSettings().update([&](settings::IniUpdate& s) {
            if (c.countDown) s.writeInteger(keys::kName, keys::kCountDown, *c.countDown);
            if (c.asTime) s.writeInteger(keys::kName, keys::kAsTime, *c.asTime);
            if (c.warn1) s.writeInteger(keys::kName, keys::kWarn1, *c.warn1);
            if (c.warn2) s.writeInteger(keys::kName, keys::kWarn2, *c.warn2);
        });
        stateFile().update([&](settings::IniUpdate& state) {
            timers::writeCountdownStart(state, settings::openSettings().snapshot(),
                                        clock.now().secondOfDay(), true);
        });
        for (const auto& t : c.ticks) {
            clock.set(2024, 5, t.at.day, t.at.hour, t.at.minute, t.at.second);
            const auto tick = timers::countdownTick(timers::readCountdown(stateFile().snapshot()),
                                                    clock.now().secondOfDay());
            EXPECT_EQ(tick.text, t.text);
            EXPECT_EQ(tick.warnings, t.warnings) << t.text;
            EXPECT_EQ(tick.ended, t.ended) << t.text;
        }
    }
}

TEST(Countdown, RestoreKeepsTheEndAndLostStateEndsAtOnce) {
    test::ProgramFolder folder;
    test::TestClock clock(2024, 5, 1, 12, 0, 0);
    const int now = clock.now().secondOfDay();
    settings::openSettings().writeInteger(keys::kName, keys::kCountDown, 100);
    stateFile().update([&](settings::IniUpdate& state) {
        timers::writeCountdownStart(state, settings::openSettings().snapshot(), now, true);
    });
    // A restart half a minute later, after the display form was switched.
    settings::openSettings().writeInteger(keys::kName, keys::kAsTime, 0);
    stateFile().update([&](settings::IniUpdate& state) {
        timers::writeCountdownStart(state, settings::openSettings().snapshot(), now + 30, false);
    });
    EXPECT_EQ(timers::countdownTick(timers::readCountdown(stateFile().snapshot()), now + 30).text,
              "70");

    timers::removeTimerState();
    EXPECT_FALSE(std::filesystem::exists(timers::timerStatePath()));
    timers::removeTimerState(); // already gone
    const auto lost = timers::countdownTick(timers::readCountdown(stateFile().snapshot()), now);
    EXPECT_TRUE(lost.ended);
}

enum class Op { Start, Pause, Resume, Show };
struct StopwatchStep {
    Op op;
    Clock at;
    std::string shown = {}; // for Show
};
struct StopwatchCase {
    const char* name;
    std::vector<StopwatchStep> steps;
    int dropped;
};

TEST(Stopwatch, PausesAndMidnightThroughTheStateFile) {
    const std::vector<StopwatchCase> cases = {
        {"pause of five minutes",
         {{Op::Start, {1, 10, 0}},
          {Op::Pause, {1, 10, 10}},
          {Op::Resume, {1, 10, 15}},
          {Op::Show, {1, 10, 20}, "00:15:00"}},
         300},
        {"past midnight", {{Op::Start, {1, 23, 0}}, {Op::Show, {2, 0, 30}, "01:30:00"}}, 0},
        {"pause across midnight",
         {{Op::Start, {1, 23, 0}},
          {Op::Pause, {1, 23, 59}},
          {Op::Resume, {2, 0, 1}},
          {Op::Show, {2, 0, 2}, "01:00:00"}},
         120},
        // 38 h 10 min since the start, 6 min of them paused; the reading wraps
        // after a day, the paused time is what the pauses lasted.
        {"pauses across two midnights",
         {{Op::Start, {1, 10, 0}},
          {Op::Pause, {1, 23, 58}},
          {Op::Resume, {2, 0, 1}},
          {Op::Pause, {2, 23, 59}},
          {Op::Resume, {3, 0, 2}},
          {Op::Show, {3, 0, 10}, "14:04:00"}},
         360},
        // Read back later, as after a restart: still at the pause until resumed.
        {"paused stays paused",
         {{Op::Start, {1, 10, 0}},
          {Op::Pause, {1, 10, 10}},
          {Op::Show, {1, 10, 30}, "00:10:00"},
          {Op::Resume, {1, 10, 40}},
          {Op::Show, {1, 10, 45}, "00:15:00"},
          {Op::Resume, {1, 10, 50}}}, // nothing in force: no change
         1800},
        {"a new start forgets an old pause",
         {{Op::Start, {1, 10, 0}},
          {Op::Pause, {1, 10, 10}},
          {Op::Start, {1, 11, 0}},
          {Op::Show, {1, 11, 5}, "00:05:00"}},
         0},
        {"lost state counts from now", {{Op::Show, {1, 10, 0}, "00:00:00"}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder folder;
        test::TestClock clock(2024, 5, 1);
        for (const auto& s : c.steps) {
            clock.set(2024, 5, s.at.day, s.at.hour, s.at.minute, s.at.second);
            const auto now = clock.now();
            switch (s.op) {
            case Op::Start:
                stateFile().update([&](auto& st) { timers::writeStopwatchStart(st, now); });
                break;
            case Op::Pause:
                stateFile().update([&](auto& st) { timers::writePause(st, now); });
                break;
            case Op::Resume:
                stateFile().update([&](auto& st) { timers::writeResume(st, now.secondOfDay()); });
                break;
            case Op::Show: {
                const auto read = timers::readStopwatch(stateFile().snapshot(), now.secondOfDay());
                EXPECT_EQ(timers::stopwatchText(timers::stopwatchElapsed(read, now.secondOfDay())),
                          s.shown);
                break;
            }
            }
        }
        EXPECT_EQ(stateFile().readInteger(timers::kStopwatchSection, "Dropped", 0), c.dropped);
    }
}

// Values that this program never writes, from a hand edit or an overflow,
// read as a lost section: the countdown ends at its next tick, the stopwatch
// counts from now. Values it does write still read as they are.
TEST(TimerState, OutOfRangeValuesAreLostState) {
    struct Case {
        const char* section; // the whole Timer state file
        bool lost;
    };
    const std::vector<Case> countdown = {
        {"Start=43200\r\nLimit=43300", false},
        {"Start=86399\r\nLimit=86409", false}, // started just before midnight
        {"Start=-1\r\nLimit=99", true},
        {"Start=86400\r\nLimit=86500", true},
        {"Start=0\r\nLimit=2147483647", true}, // would never end
        {"Start=-2147483648\r\nLimit=2147483647", true},
        {"Start=43200\r\nLimit=-2147483548", true}, // an end that overflowed
        {"Start=43200\r\nLimit=43100", true},
        {"Start=0\r\nLimit=86400", true}, // a day: the file has no date to end it
    };
    const std::vector<Case> stopwatch = {
        {"StartHour=11\r\nStartMinute=0\r\nStartSecond=0\r\nDropped=60", false},
        {"StartHour=11\r\nDropped=-86280", false}, // an earlier build's midnight pause
        {"StartHour=24", true},
        {"StartHour=2147483647", true},
        {"StartMinute=60", true},
        {"StartSecond=-1", true},
        {"StartHour=11\r\nDropped=2147483647", true},
        {"StartHour=11\r\nDropped=-2147483648", true},
        {"StartHour=11\r\nPauseHour=99\r\nPauseMinute=0\r\nPauseSecond=0", true},
    };
    test::ProgramFolder folder;
    const int noon = 12 * 3600;
    const auto write = [](const std::string& section, const char* keys) {
        std::ofstream(timers::timerStatePath(), std::ios::binary) << "[" << section << "]\r\n"
                                                                  << keys << "\r\n";
    };
    for (const Case& c : countdown) {
        SCOPED_TRACE(c.section);
        write(std::string(timers::kCountdownSection), c.section);
        const timers::CountdownRead read = timers::readCountdown(stateFile().snapshot());
        EXPECT_EQ(read.start == 0 && read.limit == 0, c.lost);
        if (c.lost) {
            EXPECT_TRUE(timers::countdownTick(read, noon).ended);
        }
    }
    for (const Case& c : stopwatch) {
        SCOPED_TRACE(c.section);
        write(std::string(timers::kStopwatchSection),
              (std::string("StartTime=11:00:00\r\n") + c.section).c_str());
        const timers::StopwatchRead read = timers::readStopwatch(stateFile().snapshot(), noon);
        const timers::StopwatchInfo info = timers::readStopwatchInfo(stateFile().snapshot(), noon);
        EXPECT_EQ(timers::stopwatchElapsed(read, noon) == 0, c.lost);
        EXPECT_EQ(info.startTime == "-", c.lost);
        EXPECT_GE(info.dropped, 0);
    }
}

// A hand-edited duration in the Settings file starts a countdown of at most
// the page's longest time, not one that never ends or overflows.
TEST(Countdown, StartKeepsTheDurationWithinTheRange) {
    const std::vector<std::pair<int, int>> cases = {
        {100, 100}, {4, 4}, {99999, 21599}, {2147483647, 21599}, {-2147483647, 0}};
    for (const auto& [countDown, duration] : cases) {
        SCOPED_TRACE(countDown);
        test::ProgramFolder folder;
        settings::openSettings().writeInteger(keys::kName, keys::kCountDown, countDown);
        const int evening = 23 * 3600;
        stateFile().update([&](settings::IniUpdate& state) {
            timers::writeCountdownStart(state, settings::openSettings().snapshot(), evening, true);
        });
        const timers::CountdownRead read = timers::readCountdown(stateFile().snapshot());
        EXPECT_EQ(read.limit - read.start, duration);
        EXPECT_TRUE(timers::countdownTick(read, (evening + duration) % 86400).ended);
    }
}

TEST(Stopwatch, StartIsWrittenForTheSettingsPage) {
    test::ProgramFolder folder;
    test::TestClock clock(2024, 5, 1, 7, 5, 9);
    stateFile().update([&](auto& st) { timers::writeStopwatchStart(st, clock.now()); });
    std::string bytes;
    {
        std::ifstream in(timers::timerStatePath(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_EQ(bytes, "[kOk:TD:Timer:tmr]\r\nStartTime=07:05:09\r\nStartHour=7\r\nStartMinute=5\r\n"
                     "StartSecond=9\r\nDropped=0\r\n");
}

} // namespace
