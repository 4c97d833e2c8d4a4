// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

namespace kok::commands {
class ClockCommands;
class ClockEvents;
} // namespace kok::commands

namespace kok::app {

// The clock's commands and events on the session bus: the object /Clock
// under the application ID's name. Every call runs the same command as the
// menu or the command line.
class DBusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.koktd.Clock")

  public:
    DBusService(commands::ClockCommands& clock, commands::ClockEvents& events,
                QObject* parent = nullptr);
    // Registers the object and takes `serviceName`; false without a session
    // bus or when the name is another's (the clock then runs without it).
    bool publish(const QString& serviceName);

  public slots:
    void StartCountdown(int seconds);
    void StopCountdown();
    // "start", "pause", "resume", "stop" or "reset".
    void Stopwatch(const QString& move);
    bool SwitchAlarm(int slot, bool on);
    // A section name as on the command line; empty for the options.
    void OpenSettings(const QString& section);
    void HideFor(int seconds);
    void Show();
    void Restart();
    void Quit();
    // The status as "key: value" lines.
    QString Status();

  signals:
    void Fired(int event, const QString& message);
    void Dismissed(int event);

  private:
    // Runs the command these arguments name, or answers InvalidArgs.
    void run(const std::vector<std::string>& arguments);

    commands::ClockCommands& clock_;
};

} // namespace kok::app
