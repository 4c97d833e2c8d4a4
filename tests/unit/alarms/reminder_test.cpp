// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "alarms/reminder.h"

namespace {

using kok::alarm::Reminder;

struct Firing {
    int minute, event, remind;
};
using Shown = std::vector<std::pair<int, int>>; // minute, event

// An hour minute by minute, with the timer the clock window drives from the
// reminder: started anew whenever a firing leaves one pending.
Shown reminders(const std::vector<Firing>& firings, std::optional<int> cancelAt = {}) {
    std::map<int, int> remindOf;
    for (const Firing& f : firings)
        remindOf[f.event] = f.remind;
    Reminder r;
    int due = -1; // the minute the timer runs out, -1 while it is stopped
    Shown shown;
    const auto fire = [&](int minute, int event, bool isReminder) {
        if (r.onFiring(event, remindOf[event], isReminder))
            due = r.pending() ? minute + r.intervalMs() / 60000 : -1;
    };
    for (int minute = 0; minute < 60; ++minute) {
        if (cancelAt == minute) {
            r.cancel();
            due = -1;
        }
        if (due == minute) {
            due = -1;
            r.cancel();
            shown.push_back({minute, r.event()});
            fire(minute, r.event(), true);
        }
        for (const Firing& f : firings)
            if (f.minute == minute) fire(minute, f.event, false);
    }
    return shown;
}

TEST(Reminder, OneReminderPerFirstFiringForTheLatestEventWithMinutes) {
    const int A = 0, B = 1, countdown = 10;
    // 07:00 is minute 0.
    EXPECT_EQ(reminders({{0, A, 5}}), (Shown{{5, A}})); // once, not again after the reminder
    EXPECT_EQ(reminders({{0, A, 5}, {2, B, 10}}), (Shown{{12, B}}));
    EXPECT_EQ(reminders({{0, A, 5}, {2, B, 0}}), (Shown{{5, A}}));
    EXPECT_EQ(reminders({{0, A, 5}, {3, countdown, 2}}), (Shown{{5, countdown}}));
    EXPECT_EQ(reminders({{0, A, 0}}), Shown{});
    EXPECT_EQ(reminders({{0, A, 5}}, 3), Shown{}); // cancelled from the menu
    // A firing of the same event while its reminder is pending counts anew.
    EXPECT_EQ(reminders({{0, A, 5}, {4, A, 5}}), (Shown{{9, A}}));
}

} // namespace
