// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/clock_commands.h"
#include "notify/event_notifier.h"
#include "notify/notification_sender.h"

namespace {

using kok::commands::ClockEvents;
using kok::notify::EventNotifier;
using kok::notify::Notification;

// A notification service that keeps what it was sent.
class FakeSender final : public kok::notify::NotificationSender {
  public:
    bool actions = true;
    quint32 nextId = 7;
    std::vector<std::string> log;
    quint32 send(const Notification& n) override {
        log.push_back("send " + std::to_string(nextId) + " " + n.body.toStdString() +
                      (n.withActions ? " [stop, snooze]" : ""));
        return nextId++;
    }
    void close(quint32 id) override { log.push_back("close " + std::to_string(id)); }
    bool offersActions() override { return actions; }
    void invoke(quint32 id, const char* action) {
        emit actionInvoked(id, QString::fromLatin1(action));
    }
    void userCloses(quint32 id) { emit closed(id); }
};

// The clock's commands the notifier may call.
class FakeClock final : public kok::commands::ClockCommands {
  public:
    std::vector<std::string> calls;
    void startCountdown(int) override {}
    void stopCountdown() override {}
    void moveStopwatch(kok::commands::StopwatchMove) override {}
    bool switchAlarm(int, bool) override { return true; }
    void openSettings(kok::face::SettingsView::Section) override {}
    void hideFor(int) override {}
    void showClock() override {}
    void restart() override {}
    void quit() override {}
    kok::commands::ClockStatus status() override { return {}; }
    void settingsChanged() override {}
    void dismissBar() override { calls.push_back("dismiss"); }
    void snooze(int event) override { calls.push_back("snooze " + std::to_string(event)); }
};

struct Rig {
    ClockEvents events;
    FakeClock clock;
    FakeSender sender;
    bool enabled = true;
    EventNotifier notifier{events, clock, sender, [this] { return enabled; }};
};

TEST(EventNotifier, FollowsTheBarAndTurnsActionsIntoCommands) {
    Rig r;
    emit r.events.fired(3, "Подъём & <b>кофе</b>");
    ASSERT_EQ(r.sender.log, std::vector<std::string>{"send 7 Подъём & <b>кофе</b> [stop, snooze]"});

    // An action for another notification is passed over; Stop is the bar's dismissal.
    r.sender.invoke(99, "stop");
    EXPECT_TRUE(r.clock.calls.empty());
    r.sender.invoke(7, "stop");
    EXPECT_EQ(r.clock.calls, std::vector<std::string>{"dismiss"});
    emit r.events.dismissed(3); // the bar's dismissal closes the notification
    EXPECT_EQ(r.sender.log.back(), "close 7");

    // Snooze: the dismissal and the reminder of the event that fired.
    r.clock.calls.clear();
    emit r.events.fired(10, "Таймер");
    r.sender.invoke(8, "snooze");
    EXPECT_EQ(r.clock.calls, (std::vector<std::string>{"dismiss", "snooze 10"}));
    emit r.events.dismissed(10);
    // A late second click on the same notification does nothing.
    r.sender.invoke(8, "snooze");
    EXPECT_EQ(r.clock.calls.size(), 2u);

    // Closed by the user: the bar stays, and its dismissal closes nothing more.
    r.clock.calls.clear();
    r.sender.log.clear();
    emit r.events.fired(1, "x");
    r.sender.userCloses(9);
    emit r.events.dismissed(1);
    EXPECT_TRUE(r.clock.calls.empty());
    EXPECT_EQ(r.sender.log, std::vector<std::string>{"send 9 x [stop, snooze]"});

    // A new bar over an old one replaces its notification.
    r.sender.log.clear();
    emit r.events.fired(2, "a");
    emit r.events.fired(4, "b");
    EXPECT_EQ(r.sender.log, (std::vector<std::string>{"send 10 a [stop, snooze]", "close 10",
                                                      "send 11 b [stop, snooze]"}));
    r.sender.invoke(10, "stop");
    EXPECT_TRUE(r.clock.calls.empty());
}

TEST(EventNotifier, SwitchedOffOrWithoutActionsTheBarIsAlone) {
    Rig r;
    r.enabled = false;
    emit r.events.fired(3, "x");
    r.enabled = true;
    r.sender.actions = false;
    emit r.events.fired(3, "y");
    emit r.events.dismissed(3);
    EXPECT_TRUE(r.sender.log.empty());
    EXPECT_TRUE(r.clock.calls.empty());
}

TEST(EventNotifier, MissedAlarmNamesItsTime) {
    Rig r;
    emit r.events.missed(2, "07:00", "Встреча");
    EXPECT_EQ(r.sender.log,
              std::vector<std::string>{"send 7 Пропущено: 07:00 — Встреча [stop, snooze]"});
    r.sender.invoke(7, "snooze");
    EXPECT_EQ(r.clock.calls, (std::vector<std::string>{"dismiss", "snooze 2"}));
}

} // namespace
