// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarm_check.h"

#include <algorithm>

namespace kok::alarm {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

platform::LocalTime dateOfDay(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    platform::LocalTime t;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2));
    t.weekDay = int(days + 4 - floorDiv(days + 4, 7) * 7); // 1970-01-01 was a Thursday
    return t;
}

std::int64_t localSeconds(const platform::LocalTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * kDay + t.secondOfDay();
}

// Second of the day the slot rings at; an hour or minute out of range never comes.
std::optional<int> alarmSecond(const AlarmSlot& s) {
    if (s.hour < 0 || s.hour > 23 || s.minute < 0 || s.minute > 59) return std::nullopt;
    return s.hour * 3600 + s.minute * 60;
}

// The pre-warning minute, wrapped once below midnight onto the previous evening.
bool inWarningMinute(const AlarmSlot& s, const platform::LocalTime& now) {
    std::int64_t w =
        std::int64_t(s.hour) * 3600 + std::int64_t(s.minute) * 60 - std::int64_t(s.warn) * 60;
    if (w < 0) w += kDay;
    return w / 3600 == now.hour && w % 3600 / 60 == now.minute;
}

} // namespace

std::int64_t AlarmCheck::lateness(std::int64_t alarmAt, const platform::LocalTime& now,
                                  std::int64_t local) const {
    const std::int64_t late = local - alarmAt;
    if (!previous_) return late;
    // Local time put back in autumn hides real time that passed; local time
    // put forward in spring counts time that never passed. The real time since
    // the previous check bounds the lateness either way.
    const std::int64_t putBack = (previous_->local - previous_->utc) - (local - now.utc);
    return std::min(late + std::max<std::int64_t>(putBack, 0), now.utc - previous_->utc);
}

CheckOutcome AlarmCheck::evaluate(const AlarmSettings& a, const platform::LocalTime& now,
                                  bool lockRunning, bool eventShowing) const {
    CheckOutcome out;
    const std::int64_t local = localSeconds(now);
    const std::int64_t today = floorDiv(local, kDay);
    // Alarm minutes after `from` are this check's to settle: the current one,
    // and those passed since the previous check.
    std::int64_t from = local - now.second - 1;
    if (previous_) from = std::min(from, previous_->local);

    std::optional<std::int64_t> newest;
    for (int n = 0; n < kSlotCount; ++n) {
        const AlarmSlot& s = a.slot[n];
        if (!s.use) continue;
        // No warning for an alarm minute already settled (the hour repeated in autumn).
        const std::int64_t warnedAt = local - now.second + std::int64_t(s.warn) * 60;
        if (!lockRunning && dueOn(s, now) && inWarningMinute(s, now) && lastSettled_[n] != warnedAt)
            out.warn = true;
        const auto second = alarmSecond(s);
        if (!second) continue;
        for (const std::int64_t day : {today - 1, today}) {
            const std::int64_t at = day * kDay + *second;
            if (at <= from || at > local || lastSettled_[n] == at) continue;
            if (!dueOn(s, dateOfDay(day))) continue;
            const bool tooLate = lateness(at, now, local) > kLateLimit;
            // A weekly alarm comes again within days; a once or dated one may
            // not come again at all, so the user hears that it was missed.
            if (tooLate && !s.atOnce && !s.atDate) continue;
            out.settled[n] = at;
            if (s.atOnce) out.consume.push_back(n);
            if (tooLate) out.missed.push_back(n);
            // The most recent alarm minute wins; of slots sharing it, the lowest.
            else if (!newest || at > *newest) {
                newest = at;
                out.fire = n;
            }
            if (s.atOnce) break; // its first occurrence consumed it
        }
    }
    if (eventShowing) out.fire.reset();
    return out;
}

void AlarmCheck::start(const platform::LocalTime& now) {
    // As a check just before the load's minute, whose alarm the first check
    // would fire too.
    const std::int64_t back = now.second + 1;
    previous_ = Previous{localSeconds(now) - back, now.utc - back};
}

void AlarmCheck::accept(const CheckOutcome& o, const platform::LocalTime& now) {
    previous_ = Previous{localSeconds(now), now.utc};
    for (int n = 0; n < kSlotCount; ++n)
        if (o.settled[n]) lastSettled_[n] = o.settled[n];
}

} // namespace kok::alarm
