// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog/stopwatch_reading.h"
#include "face/time_text.h"
#include "settings/ini_file.h"
#include "support/program_folder.h"
#include "support/test_clock.h"
#include "timers/timer_state.h"

namespace {

using namespace kok;

struct At {
    int hour, minute, second = 0;
};

// A reading remembered on the stopwatch page after a run through the Timer
// state file as the clock writes it, at set times of day.
TEST(StopwatchReading, CarriesThePausedTimeOnlyAfterAPause) {
    struct Case {
        const char* name;
        std::optional<At> pause, resume;
        At now;
        std::string reading;
    };
    const std::vector<Case> cases = {
        {"no pause", {}, {}, {10, 12, 5}, "00:12:05  [с 10:00:00 до 10:12:05]"},
        {"a three-minute pause",
         At{10, 5},
         At{10, 8},
         {10, 15, 5},
         "00:12:05  [с 10:00:00 до 10:15:05 ~ 00:03:00]"},
        {"a pause across midnight",
         At{23, 59},
         At{0, 1},
         {0, 13, 5},
         "14:11:05  [с 10:00:00 до 00:13:05 ~ 00:02:00]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder folder;
        test::TestClock clock(2024, 5, 1, 10, 0, 0);
        settings::IniFile state(timers::timerStatePath());
        state.update([&](settings::IniUpdate& s) { timers::writeStopwatchStart(s, clock.now()); });
        if (c.pause) {
            clock.set(2024, 5, 1, c.pause->hour, c.pause->minute);
            state.update([&](settings::IniUpdate& s) { timers::writePause(s, clock.now()); });
            clock.set(2024, 5, c.resume->hour < c.pause->hour ? 2 : 1, c.resume->hour,
                      c.resume->minute);
            state.update(
                [&](settings::IniUpdate& s) { timers::writeResume(s, clock.now().secondOfDay()); });
        }
        clock.set(2024, 5, 1, c.now.hour, c.now.minute, c.now.second);
        const int now = clock.now().secondOfDay();
        const settings::IniUpdate s = state.snapshot();
        const timers::StopwatchInfo info = timers::readStopwatchInfo(s, now);
        const std::string timer = timers::stopwatchText(info.elapsed);
        EXPECT_EQ(dialog::stopwatchReading(timer, info.startTime, clock::timeText(clock.now()),
                                           timers::stopwatchText(info.dropped)),
                  c.reading);
    }
}

TEST(StopwatchReading, AStateWithoutAStartShowsNoStart) {
    test::ProgramFolder folder;
    const timers::StopwatchInfo info =
        timers::readStopwatchInfo(settings::IniFile(timers::timerStatePath()).snapshot(), 0);
    EXPECT_EQ(info.startTime, "-");
    EXPECT_EQ(info.dropped, 0);
}

} // namespace
