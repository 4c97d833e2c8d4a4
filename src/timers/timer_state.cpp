// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/timer_state.h"

#include <algorithm>
#include <cstdint>

#include "face/time_text.h"
#include "platform/file_io.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "timers/countdown_range.h"

namespace kok::timers {
namespace {

namespace keys = settings::timer;

constexpr int kDay = 86400;

constexpr std::string_view kStart = "Start";
constexpr std::string_view kLimit = "Limit";

constexpr std::string_view kStartTime = "StartTime";
constexpr std::string_view kStartHour = "StartHour";
constexpr std::string_view kStartMinute = "StartMinute";
constexpr std::string_view kStartSecond = "StartSecond";
constexpr std::string_view kDropped = "Dropped";
constexpr std::string_view kPauseHour = "PauseHour";
constexpr std::string_view kPauseMinute = "PauseMinute";
constexpr std::string_view kPauseSecond = "PauseSecond";

// A year of pauses: a larger Dropped is not one this program wrote.
constexpr std::int64_t kMaxDropped = 366LL * kDay;

std::int64_t wrapOnce(std::int64_t seconds) {
    return seconds < 0 ? seconds + kDay : seconds;
}

int modDay(std::int64_t seconds) {
    return int((seconds % kDay + kDay) % kDay);
}

bool within(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

// The three keys of a time of day in the stopwatch section.
struct TimeKeys {
    std::string_view hour, minute, second;
};
constexpr TimeKeys kStartKeys{kStartHour, kStartMinute, kStartSecond};
constexpr TimeKeys kPauseKeys{kPauseHour, kPauseMinute, kPauseSecond};

bool timeInRange(const settings::IniUpdate& state, const TimeKeys& keys) {
    const auto ok = [&](std::string_view key, int high) {
        return within(state.readInteger(kStopwatchSection, key, 0), 0, high);
    };
    return ok(keys.hour, 23) && ok(keys.minute, 59) && ok(keys.second, 59);
}

// An earlier build stored a pause across midnight as a negative time; one
// such pause reads as the time it lasted.
bool stopwatchInRange(const settings::IniUpdate& state) {
    return timeInRange(state, kStartKeys) && timeInRange(state, kPauseKeys) &&
           within(state.readInteger(kStopwatchSection, kDropped, 0), -kDay + 1, kMaxDropped);
}

void removePause(settings::IniUpdate& state) {
    for (const auto key : {kPauseHour, kPauseMinute, kPauseSecond})
        state.removeKey(kStopwatchSection, key);
}

} // namespace

std::filesystem::path timerStatePath() {
    return settings::programFilePath(settings::kTimerStateFileName);
}

void removeTimerState() {
    platform::removeFile(timerStatePath());
}

CountdownRead readCountdown(const settings::IniUpdate& state) {
    const CountdownRead d;
    CountdownRead c{state.readInteger(kCountdownSection, kStart, d.start),
                    state.readInteger(kCountdownSection, kLimit, d.limit),
                    state.readFlag(kCountdownSection, keys::kAsTime, d.asTime),
                    state.readInteger(kCountdownSection, keys::kWarn1, d.warn1),
                    state.readInteger(kCountdownSection, keys::kWarn2, d.warn2)};
    // A start is a second of the day, and a countdown of a day or more would
    // never end, since the file holds no date.
    if (!within(c.start, 0, kDay - 1) || !within(std::int64_t(c.limit) - c.start, 0, kDay - 1)) {
        c.start = d.start;
        c.limit = d.limit;
    }
    return c;
}

void writeCountdownStart(settings::IniUpdate& state, const settings::IniUpdate& settings,
                         int nowSecondOfDay, bool fresh) {
    state.writeInteger(kCountdownSection, keys::kAsTime,
                       settings.readInteger(keys::kName, keys::kAsTime, keys::kAsTimeDefault));
    state.writeInteger(kCountdownSection, keys::kWarn1,
                       settings.readInteger(keys::kName, keys::kWarn1, keys::kWarn1StartDefault));
    state.writeInteger(kCountdownSection, keys::kWarn2,
                       settings.readInteger(keys::kName, keys::kWarn2, keys::kWarn2StartDefault));
    if (!fresh) return;
    // A hand-edited duration beyond the page's longest would overflow or never end.
    const int duration = std::clamp(
        settings.readInteger(keys::kName, keys::kCountDown, keys::kCountDownStartDefault), 0,
        kMaxCountdown);
    state.writeInteger(kCountdownSection, kStart, nowSecondOfDay);
    state.writeInteger(kCountdownSection, kLimit, nowSecondOfDay + duration);
}

int countdownRemaining(const CountdownRead& c, int nowSecondOfDay) {
    const std::int64_t left =
        std::int64_t(c.limit) - c.start - wrapOnce(std::int64_t(nowSecondOfDay) - c.start);
    return int(std::clamp<std::int64_t>(left, -kDay, kDay));
}

std::string countdownText(int remaining, bool asTime) {
    return asTime ? clock::FormatDuration(remaining, true) : std::to_string(remaining);
}

CountdownTick countdownTick(const CountdownRead& c, int nowSecondOfDay) {
    const int remaining = countdownRemaining(c, nowSecondOfDay);
    CountdownTick tick{countdownText(remaining, c.asTime)};
    if (remaining > 0)
        tick.warnings = int(remaining == c.warn1) + int(remaining == c.warn2);
    else
        tick.ended = true;
    return tick;
}

StopwatchRead readStopwatch(const settings::IniUpdate& state, int nowSecondOfDay) {
    const auto secondOfDay = [&](std::string_view h, std::string_view m, std::string_view s,
                                 int fallback) {
        return state.readInteger(kStopwatchSection, h, fallback / 3600) * 3600 +
               state.readInteger(kStopwatchSection, m, fallback % 3600 / 60) * 60 +
               state.readInteger(kStopwatchSection, s, fallback % 60);
    };
    StopwatchRead s;
    if (!stopwatchInRange(state)) {
        s.startSecond = nowSecondOfDay; // lost
        s.startFromNow = true;
        return s;
    }
    const int dropped = state.readInteger(kStopwatchSection, kDropped, 0);
    s.startSecond = secondOfDay(kStartHour, kStartMinute, kStartSecond, nowSecondOfDay);
    s.dropped = dropped < 0 ? dropped + kDay : dropped;
    s.startFromNow = !(state.hasKey(kStopwatchSection, kStartHour) &&
                       state.hasKey(kStopwatchSection, kStartMinute) &&
                       state.hasKey(kStopwatchSection, kStartSecond));
    if (state.hasKey(kStopwatchSection, kPauseHour) &&
        state.hasKey(kStopwatchSection, kPauseMinute) &&
        state.hasKey(kStopwatchSection, kPauseSecond))
        s.pausedAt = secondOfDay(kPauseHour, kPauseMinute, kPauseSecond, 0);
    return s;
}

void writeStopwatchStart(settings::IniUpdate& state, const platform::LocalTime& now) {
    state.writeString(kStopwatchSection, kStartTime, clock::timeText(now));
    state.writeInteger(kStopwatchSection, kStartHour, now.hour);
    state.writeInteger(kStopwatchSection, kStartMinute, now.minute);
    state.writeInteger(kStopwatchSection, kStartSecond, now.second);
    state.writeInteger(kStopwatchSection, kDropped, 0);
    // A pause of an earlier run survives in the file while the countdown keeps it.
    removePause(state);
}

int stopwatchElapsed(const StopwatchRead& s, int nowSecondOfDay) {
    return modDay(std::int64_t(s.pausedAt.value_or(nowSecondOfDay)) - s.startSecond - s.dropped);
}

std::string stopwatchText(int elapsed) {
    return clock::FormatDuration(elapsed, true);
}

void writePause(settings::IniUpdate& state, const platform::LocalTime& now) {
    state.writeInteger(kStopwatchSection, kPauseHour, now.hour);
    state.writeInteger(kStopwatchSection, kPauseMinute, now.minute);
    state.writeInteger(kStopwatchSection, kPauseSecond, now.second);
}

void writeResume(settings::IniUpdate& state, int nowSecondOfDay) {
    const StopwatchRead s = readStopwatch(state, nowSecondOfDay);
    if (!s.pausedAt) return;
    const std::int64_t dropped = s.dropped + modDay(std::int64_t(nowSecondOfDay) - *s.pausedAt);
    state.writeInteger(kStopwatchSection, kDropped, int(std::min(dropped, kMaxDropped)));
    removePause(state);
}

StopwatchInfo readStopwatchInfo(const settings::IniUpdate& state, int nowSecondOfDay) {
    const StopwatchRead s = readStopwatch(state, nowSecondOfDay);
    return {stopwatchInRange(state) ? state.readString(kStopwatchSection, kStartTime, "-") : "-",
            s.dropped, stopwatchElapsed(s, nowSecondOfDay)};
}

} // namespace kok::timers
