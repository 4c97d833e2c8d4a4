// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dbus_service.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

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
    return bus.registerService(serviceName);
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
    commands::runCommand(command, clock_);
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
    return clock_.switchAlarm(slot, on);
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
