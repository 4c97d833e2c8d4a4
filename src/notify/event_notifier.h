// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace kok::commands {
class ClockCommands;
class ClockEvents;
} // namespace kok::commands

namespace kok::notify {

class NotificationSender;

// Puts a fired event on the desktop's notifications beside the Message bar,
// and turns the notification's actions into the clock's commands: "Stop" is
// the bar's dismissal, "Snooze" the dismissal with the event's reminder.
// The bar's dismissal closes the notification; a notification the user
// closes leaves the bar. At most one notification is out: the bar's.
class EventNotifier : public QObject {
    Q_OBJECT

  public:
    // `enabled` is asked at every firing (the user's switch in the Settings file).
    EventNotifier(commands::ClockEvents& events, commands::ClockCommands& commands,
                  NotificationSender& sender, std::function<bool()> enabled,
                  QObject* parent = nullptr);

    // The body of a missed alarm's notification.
    static QString missedText(const QString& time, const QString& message);

  private:
    void show(int event, const QString& body);
    void onDismissed();
    void onAction(quint32 id, const QString& action);

    commands::ClockCommands& commands_;
    NotificationSender& sender_;
    std::function<bool()> enabled_;
    quint32 current_ = 0; // the notification of the bar that shows
    int event_ = -1;
};

} // namespace kok::notify
