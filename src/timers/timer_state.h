// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The countdown's and the stopwatch's arithmetic over the Timer state file
// "kOkTD.timer". Both work in seconds of the day; the file holds no date, so a
// difference that comes out negative has crossed midnight and gains one day.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "settings/ini_file.h"

namespace kok::timers {

inline constexpr std::string_view kCountdownSection = "kOk:TD:Timer:cdn";
inline constexpr std::string_view kStopwatchSection = "kOk:TD:Timer:tmr";

std::filesystem::path timerStatePath();
// Deletes the Timer state file; a missing file is fine.
void removeTimerState();

// Countdown

// What the tick reads; the defaults are those of a state that was lost, which
// ends the countdown at once. A start or an end that no start of this program
// writes (a hand edit) counts as lost too.
struct CountdownRead {
    int start = 0, limit = 0;
    bool asTime = true;
    int warn1 = 1, warn2 = 1;
};
CountdownRead readCountdown(const settings::IniUpdate& state);

// Copies the display form and the two warnings from the Settings file; a
// fresh start also sets Start to now and Limit to now + CountDown, the
// duration kept within 0..kMaxCountdown.
void writeCountdownStart(settings::IniUpdate& state, const settings::IniUpdate& settings,
                         int nowSecondOfDay, bool fresh);

int countdownRemaining(const CountdownRead& c, int nowSecondOfDay);
// "hh:nn:ss" when asTime, else the plain number of seconds.
std::string countdownText(int remaining, bool asTime);

struct CountdownTick {
    std::string text;
    int warnings = 0; // how many warning signals to play now: 0, 1 or 2
    bool ended = false;
};
CountdownTick countdownTick(const CountdownRead& c, int nowSecondOfDay);

// Stopwatch

struct StopwatchRead {
    int startSecond = 0;
    int dropped = 0;             // paused time of the pauses already resumed, never negative
    std::optional<int> pausedAt; // second of the day of a pause still in force
    bool startFromNow = false;   // the start was missing or lost: taken from the reading's time
};
// A missing start counts from now. A section holding a time of day or a
// paused time that this program does not write (a hand edit) is read as
// missing altogether.
StopwatchRead readStopwatch(const settings::IniUpdate& state, int nowSecondOfDay);

// A fresh start: the count begins at zero, running.
void writeStopwatchStart(settings::IniUpdate& state, const platform::LocalTime& now);
// A paused stopwatch shows the count at its pause. Times of day only: the
// count is taken modulo a day.
int stopwatchElapsed(const StopwatchRead& s, int nowSecondOfDay);
std::string stopwatchText(int elapsed);

void writePause(settings::IniUpdate& state, const platform::LocalTime& now);
// Adds the pause to Dropped and ends it; without a pause in force, nothing.
// A pause across midnight counts the time it really lasted (under a day).
void writeResume(settings::IniUpdate& state, int nowSecondOfDay);

// What the settings dialog shows of a started stopwatch: its start as stored
// ("-" when missing or lost), the paused time so far and its reading now.
struct StopwatchInfo {
    std::string startTime;
    int dropped = 0;
    int elapsed = 0;
};
StopwatchInfo readStopwatchInfo(const settings::IniUpdate& state, int nowSecondOfDay);

} // namespace kok::timers
