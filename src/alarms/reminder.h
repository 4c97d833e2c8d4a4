// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace kok::alarm {

// The one reminder an event may leave behind: a first firing with a number
// of minutes set schedules it, counting anew and replacing one pending for
// any event; a firing without minutes leaves a pending one alone; the
// reminder's own firing schedules none.
class Reminder {
  public:
    // Returns whether the pending reminder changed (to restart or stop its timer).
    bool onFiring(int event, int remindMinutes, bool isReminder) {
        if (remindMinutes <= 0) return false;
        event_ = event;
        minutes_ = std::min(remindMinutes, kMaxMinutes);
        pending_ = !isReminder;
        return true;
    }
    void cancel() { pending_ = false; }
    // A snooze: the reminder of `event` in `minutes`, in place of a pending one.
    void schedule(int event, int minutes) {
        event_ = event;
        minutes_ = std::clamp(minutes, 1, kMaxMinutes);
        pending_ = true;
    }

    bool pending() const { return pending_; }
    int event() const { return event_; }
    int intervalMs() const { return minutes_ * 60000; }

  private:
    static constexpr int kMaxMinutes = 30000; // keeps the interval within an int

    bool pending_ = false;
    int event_ = 0;
    int minutes_ = 0;
};

} // namespace kok::alarm
