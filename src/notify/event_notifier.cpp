// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/event_notifier.h"

#include <QTime>

#include "alarms/missed_alarm.h"
#include "commands/clock_commands.h"
#include "notify/notification_sender.h"

namespace kok::notify {
EventNotifier::EventNotifier(commands::ClockEvents& events, commands::ClockCommands& commands,
                             NotificationSender& sender, std::function<bool()> enabled,
                             QObject* parent)
    : QObject(parent), commands_(commands), sender_(sender), enabled_(std::move(enabled)) {
    connect(&events, &commands::ClockEvents::fired, this,
            [this](int event, const QString& message) { show(event, message); });
    connect(&events, &commands::ClockEvents::missed, this,
            [this](int event, const QString& time, const QString& message) {
                show(event, missedText(time, message));
            });
    connect(&events, &commands::ClockEvents::dismissed, this, &EventNotifier::onDismissed);
    connect(&sender_, &NotificationSender::actionInvoked, this, &EventNotifier::onAction);
    connect(&sender_, &NotificationSender::closed, this, [this](quint32 id) {
        if (id == current_) current_ = 0; // the bar stays as it is
    });
}

QString EventNotifier::missedText(const QString& time, const QString& message) {
    // The same words as the Message bar's.
    const QTime due = QTime::fromString(time, QStringLiteral("HH:mm"));
    return QString::fromStdString(
        alarm::missedAlarmText(due.hour() * 3600 + due.minute() * 60, message.toStdString()));
}

void EventNotifier::show(int event, const QString& body) {
    // A new bar replaces the last one, and so does its notification.
    if (current_) sender_.close(current_);
    current_ = 0;
    event_ = event;
    if (!enabled_() || !sender_.offersActions()) return;
    current_ = sender_.send(Notification{QStringLiteral("kOk DIAL TD"), body, true});
}

void EventNotifier::onDismissed() {
    if (current_) sender_.close(current_);
    current_ = 0;
}

// An action arrives from the event loop, never in the middle of a firing;
// one for a notification that is no longer the bar's is passed over.
void EventNotifier::onAction(quint32 id, const QString& action) {
    if (id == 0 || id != current_) return;
    const int event = event_;
    if (action == QLatin1String("stop")) {
        commands_.dismissBar();
    } else if (action == QLatin1String("snooze")) {
        commands_.dismissBar();
        commands_.snooze(event);
    }
}

} // namespace kok::notify
