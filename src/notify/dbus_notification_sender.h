// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "notify/notification_sender.h"

namespace kok::notify {

// org.freedesktop.Notifications on the session bus. Without a bus or a
// service, nothing is shown and nothing is said.
class DBusNotificationSender final : public NotificationSender {
    Q_OBJECT

  public:
    // `iconName` is the installed icon's name (the application ID).
    explicit DBusNotificationSender(QString iconName, QObject* parent = nullptr);

    quint32 send(const Notification& n) override;
    void close(quint32 id) override;
    bool offersActions() override;

  private slots:
    void onActionInvoked(quint32 id, const QString& action);
    void onClosed(quint32 id, quint32 reason);

  private:
    QString iconName_;
    bool listening_ = false;
    std::optional<bool> actions_;
    bool markup_ = false; // the service reads the body as markup
};

} // namespace kok::notify
