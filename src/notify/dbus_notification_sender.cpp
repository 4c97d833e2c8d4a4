// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/dbus_notification_sender.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

#include "platform/translate.h"

namespace kok::notify {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A firing must not wait long on a service that hangs.
constexpr int kCallTimeoutMs = 2000;

constexpr const char* kStop = QT_TRANSLATE_NOOP("Notifications", "Стоп");
constexpr const char* kSnooze = QT_TRANSLATE_NOOP("Notifications", "Отложить");

} // namespace

DBusNotificationSender::DBusNotificationSender(QString iconName, QObject* parent)
    : NotificationSender(parent), iconName_(std::move(iconName)) {}

bool DBusNotificationSender::offersActions() {
    if (actions_) return *actions_;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return *(actions_ = false);
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, "GetCapabilities");
    const QDBusReply<QStringList> reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) return false; // no service yet: asked again next time
    actions_ = reply.value().contains(QStringLiteral("actions"));
    markup_ = reply.value().contains(QStringLiteral("body-markup"));
    if (*actions_ && !listening_) {
        listening_ = true;
        bus.connect(kService, kPath, kInterface, "ActionInvoked", this,
                    SLOT(onActionInvoked(quint32, QString)));
        bus.connect(kService, kPath, kInterface, "NotificationClosed", this,
                    SLOT(onClosed(quint32, quint32)));
    }
    return *actions_;
}

quint32 DBusNotificationSender::send(const Notification& n) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return 0;
    QStringList actions;
    if (n.withActions)
        actions << QStringLiteral("stop") << platform::trQ("Notifications", kStop)
                << QStringLiteral("snooze") << platform::trQ("Notifications", kSnooze);
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2))); // critical
    hints.insert(QStringLiteral("desktop-entry"), iconName_);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    call << n.summary << quint32(0) << iconName_ << n.summary
         << (markup_ ? n.body.toHtmlEscaped() : n.body) << actions << hints
         << qint32(0); // stays until closed
    // A message is plain text: where the service reads markup, it is escaped.
    const QDBusReply<quint32> reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    return reply.isValid() ? reply.value() : 0;
}

void DBusNotificationSender::close(quint32 id) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, "CloseNotification");
    call << id;
    bus.asyncCall(call); // no answer needed
}

void DBusNotificationSender::onActionInvoked(quint32 id, const QString& action) {
    emit actionInvoked(id, action);
}

void DBusNotificationSender::onClosed(quint32 id, quint32 /*reason*/) {
    emit closed(id);
}

} // namespace kok::notify
