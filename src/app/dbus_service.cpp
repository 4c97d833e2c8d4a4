// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dbus_service.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>

#include "commands/command_line.h"
#include "platform/translate.h"

namespace kok::app {

DBusService::DBusService(commands::ClockCommands& clock, commands::ClockEvents& events,
                         QObject* parent)
    : QObject(parent), clock_(clock) {
    connect(&events, &commands::ClockEvents::fired, this, &DBusService::Fired);
    connect(&events, &commands::ClockEvents::dismissed, this, &DBusService::Dismissed);
}

bool DBusService::publish(const QString& serviceName) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(QStringLiteral("/Clock"), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(serviceName, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() == QDBusConnectionInterface::ServiceNotRegistered)
        return false;
    serviceName_ = serviceName;
    return true;
}

void DBusService::withdraw() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // Waits for the bus's answer: the name is free once this returns.
    if (!serviceName_.isEmpty()) bus.interface()->unregisterService(serviceName_);
    bus.unregisterObject(QStringLiteral("/Clock"));
    serviceName_.clear();
}

// The command line's reading checks every value, so a bad one reaches the
// clock from neither front.
void DBusService::run(const std::vector<std::string>& arguments) {
    const commands::CommandLine command = commands::parseCommandLine(arguments);
    if (!command.forClock()) {
        sendErrorReply(QDBusError::InvalidArgs,
                       command.error ? platform::trQ("Messages", command.error)
                                           .arg(QString::fromStdString(command.errorArgument))
                                     : QStringLiteral("not a command"));
        return;
    }
    const commands::CommandReply reply = commands::runCommand(command, clock_);
    if (const char* why = commands::outcomeText(reply.outcome))
        sendErrorReply(QDBusError::Failed, platform::trQ("Messages", why));
}

void DBusService::StartCountdown(int seconds) {
    const int h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (seconds < 0) {
        run({"--countdown", std::to_string(seconds)});
        return;
    }
    run({"--countdown", std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m) + ":" +
                            (s < 10 ? "0" : "") + std::to_string(s)});
}

void DBusService::StopCountdown() {
    clock_.stopCountdown();
}

void DBusService::Stopwatch(const QString& move) {
    run({"--stopwatch", move.toStdString()});
}

bool DBusService::SwitchAlarm(int slot, bool on) {
    if (slot < 0 || slot > 9) {
        run({"--alarm", std::to_string(slot), on ? "on" : "off"});
        return false;
    }
    const commands::Outcome outcome = clock_.switchAlarm(slot, on);
    if (const char* why = commands::outcomeText(outcome))
        sendErrorReply(QDBusError::Failed, platform::trQ("Messages", why));
    return outcome == commands::Outcome::Done;
}

void DBusService::OpenSettings(const QString& section) {
    if (section.isEmpty())
        run({"--settings"});
    else
        run({"--settings", section.toStdString()});
}

void DBusService::HideFor(int seconds) {
    if (seconds <= 0 || seconds > 24 * 3600) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("seconds: 1 .. 86400"));
        return;
    }
    clock_.hideFor(seconds);
}

void DBusService::Show() {
    clock_.showClock();
}

void DBusService::Restart() {
    clock_.restart();
}

void DBusService::Quit() {
    clock_.quit();
}

QString DBusService::Status() {
    return QString::fromStdString(commands::statusLines(clock_.status()));
}

} // namespace kok::app
