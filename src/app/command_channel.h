// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace kok::commands {
class ClockCommands;
}

namespace kok::app {

// The socket a running clock listens on for the commands of a second start,
// in the user's private lock folder: no other user's start can reach it.
QString commandSocketPath(const std::filesystem::path& lockFolder);

// Listens for commands while the clock runs. A command arrives as its
// arguments, one per line, ended by an empty line; the reply is what the
// command prints (the status lines), then the connection closes. A command
// that does not parse is refused without touching the clock.
class CommandServer : public QObject {
    Q_OBJECT

  public:
    CommandServer(commands::ClockCommands& clock, QObject* parent = nullptr);
    // Listens at `path`, taking over a socket a crashed clock left behind.
    bool listen(const QString& path);

  private:
    void serve(QLocalSocket* socket);

    commands::ClockCommands& clock_;
    QLocalServer* server_;
};

// Hands `arguments` to the clock listening at `path`; the reply, or nothing
// when no clock answered.
std::optional<std::string> sendCommand(const QString& path,
                                       const std::vector<std::string>& arguments);

} // namespace kok::app
