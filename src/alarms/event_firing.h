// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "alarms/reminder.h"

class QAction;
class QTimer;
namespace kok::platform {
class TickTimer;
}

namespace kok::signal {
class MessageBar;
class WarningLock;
} // namespace kok::signal

namespace kok::alarm {

// The parts of the Clock window a firing drives.
struct FiringParts {
    QTimer* tt_reminder = nullptr;            // the one pending reminder
    QAction* m_noremind = nullptr;            // visible while a reminder is pending
    platform::TickTimer* tt_alarm = nullptr;  // the alarm check, pushed out of the minute
    signal::WarningLock* tt_locker = nullptr; // the warning lock, restarted
};

// What happens when an alarm slot or the countdown fires, or a reminder of
// either: the reminder is scheduled, the Message bar shows, the event's
// actions run, and the alarm check is kept from firing twice in a minute.
class EventFiring : public QObject {
    Q_OBJECT

  public:
    EventFiring(FiringParts parts, signal::MessageBar& bar, QObject* parent = nullptr);

    void FireEvent(int event, bool isReminder);
    // Schedules the event's reminder now: after its reminder minutes, or 5
    // when it has none; it replaces a pending reminder.
    void snooze(int event);
    // The event of the pending reminder, or -1.
    int pendingReminder() const { return reminder_.pending() ? reminder_.event() : -1; }
    void tt_reminderTimer();
    void m_noremindClick();

  signals:
    // The bar of `event` shows, before its actions (sounds may hold the thread).
    void fired(int event);

  private:
    void RunActions(int event);

    FiringParts ui_;
    signal::MessageBar& bar_;
    Reminder reminder_;
};

} // namespace kok::alarm
