// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace kok::notify {

// One desktop notification of a fired event.
struct Notification {
    QString summary; // the program's name
    QString body;    // plain text
    bool withActions = true;
};

// The desktop's notification service as the clock uses it. A sender without
// a service shows nothing and says nothing.
class NotificationSender : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    // The notification's id, or 0 when none could be shown.
    virtual quint32 send(const Notification& n) = 0;
    virtual void close(quint32 id) = 0;
    // Whether the service shows action buttons (asked once, lazily).
    virtual bool offersActions() = 0;

  signals:
    // The user chose `action` ("stop" or "snooze") on notification `id`.
    void actionInvoked(quint32 id, const QString& action);
    // The notification went away (closed by the user or the service).
    void closed(quint32 id);
};

} // namespace kok::notify
