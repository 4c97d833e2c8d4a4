// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "alarms/alarm_slots.h"
#include "platform/clock.h"

namespace kok::alarm {

// What one check asks of its caller, in this order: sound the pre-warning,
// write `_Use` = 0 for the consumed once-alarms, then fire the slot.
struct CheckOutcome {
    bool warn = false;
    std::optional<int> fire;  // at most one slot per check
    std::vector<int> consume; // once-alarms that came due, fired or not
    // Once and dated alarms missed by more than the late limit (once-alarms
    // are consumed too): shown without their actions so that the user
    // learns of them. `settled` holds the minute each was due.
    std::vector<int> missed;
    // The alarm minute (local seconds) each slot had settled by this check; for accept().
    std::array<std::optional<std::int64_t>, kSlotCount> settled{};
};

// The schedule check. An alarm minute is settled once: fired, or skipped
// because a lower-numbered slot shares the minute, a more recent alarm was also
// missed, or an event is showing. A check that comes late still settles the
// minutes passed since the previous check, if it is at most an hour late, so
// firings that push the next check away, a busy or suspended machine and the
// hour that daylight saving skips lose no alarm; the hour it repeats does not
// ring an alarm twice. A once-alarm missed by more is switched off and
// reported, rather than left to ring a day late; a dated alarm missed by more
// is reported too. A weekly alarm missed by more waits for its next day.
class AlarmCheck {
  public:
    // How late, in real seconds, a check may still fire an alarm it missed.
    static constexpr std::int64_t kLateLimit = 3600;

    CheckOutcome evaluate(const AlarmSettings& a, const platform::LocalTime& now, bool lockRunning,
                          bool eventShowing) const;

    // Records a check that ran to its end (the consumed slots written). A check
    // that stopped early is not accepted, so the next one covers its minutes again.
    void accept(const CheckOutcome& o, const platform::LocalTime& now);

    // The check starts running (at a start, or a reload that switched a slot
    // on): the load counts as the previous check, so that an alarm minute
    // passed before the first check is a late one, and nothing before the
    // load's minute counts as missed.
    void start(const platform::LocalTime& now);

  private:
    struct Previous {
        std::int64_t local; // local date and time as seconds
        std::int64_t utc;
    };

    std::int64_t lateness(std::int64_t alarmAt, const platform::LocalTime& now,
                          std::int64_t local) const;

    std::optional<Previous> previous_;
    std::array<std::optional<std::int64_t>, kSlotCount> lastSettled_{};
};

} // namespace kok::alarm
