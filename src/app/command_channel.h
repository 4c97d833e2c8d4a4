// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/clock_commands.h"

class QLocalServer;
class QLocalSocket;

namespace kok::app {

// The sockets a running clock listens on for the commands of a second start:
// one in each private lock folder the clock joined, so that a start that
// meets the lock in any of them (with another XDG_RUNTIME_DIR, from ssh or
// cron) finds one. No other user's start can reach them.
std::vector<QString> commandSocketPaths(const std::vector<std::filesystem::path>& lockFolders);

// Listens for commands while the clock runs. A command arrives as its
// arguments, one per line, ended by an empty line; the reply is a line that
// says how it went ("done", "not-stored", "not-started" or "refused": not a
// command), then what the command prints (the status lines), then the
// connection closes. A command that does not parse is refused without
// touching the clock.
class CommandServer : public QObject {
    Q_OBJECT

  public:
    explicit CommandServer(commands::ClockCommands& clock, QObject* parent = nullptr);
    // Listens at every one of `paths`, taking over sockets a crashed clock
    // left behind; false when it listens at none.
    bool listen(const std::vector<QString>& paths);
    // Stops listening and removes the sockets, so that a successor can take
    // the same paths before this clock has ended.
    void close();

  private:
    void serve(QLocalSocket* socket);

    commands::ClockCommands& clock_;
    std::vector<QLocalServer*> servers_;
};

// A running clock's answer to a handed-over command.
struct ClockAnswer {
    bool refused = false; // the clock did not take it for a command
    commands::Outcome outcome = commands::Outcome::Done;
    std::string output;
};

// Hands `arguments` to the clock listening at one of `paths`. A clock that
// is still starting listens only once its window is built: while
// `clockRunning()` says it runs, the sockets are tried again for up to
// `startWaitMs`. Nothing when no clock answered.
std::optional<ClockAnswer> sendCommand(const std::vector<QString>& paths,
                                       const std::vector<std::string>& arguments,
                                       const std::function<bool()>& clockRunning, int startWaitMs);

} // namespace kok::app
