// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/chime_trigger.h"

namespace kok::signal {
namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kTopOfHourGrace = 60; // the chime may still come in minute 00
constexpr std::int64_t kCallSignOffset = -5; // five seconds before the hour

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = unsigned((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1);
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468;
}

// Whether the moment `at` lies in (previous, now]. With no previous tick, or
// after the clock was set back, only a tick that reads the moment counts; a
// tick that repeats the previous second counts nothing.
bool reached(std::int64_t at, std::optional<std::int64_t> previous, std::int64_t now) {
    if (!previous || *previous > now) return at == now;
    return *previous < at && at <= now;
}

} // namespace

std::int64_t linearSeconds(const platform::LocalTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * 86400 + t.secondOfDay();
}

ChimeMoments ChimeTrigger::onTick(const platform::LocalTime& now) {
    const std::int64_t s = linearSeconds(now);
    const std::int64_t hourStart = s - s % kHour;
    ChimeMoments m;
    // The full hour: the latest one, if the tick is still within its first minute.
    if (s - hourStart < kTopOfHourGrace) m.topOfHour = reached(hourStart, previous_, s);
    // The call signs: on their own second only, never made up for.
    m.callSigns = s == hourStart + kHour + kCallSignOffset && previous_ != s;
    previous_ = s;
    return m;
}

} // namespace kok::signal
