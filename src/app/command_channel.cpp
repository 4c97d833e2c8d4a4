// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

#include "commands/command_line.h"

namespace kok::app {
namespace {

// No command is longer; a client that sends more is cut off.
constexpr qint64 kMaxRequest = 4096;
constexpr int kReplyWaitMs = 15000; // a firing may hold the clock's thread for a while

} // namespace

QString commandSocketPath(const std::filesystem::path& lockFolder) {
    return QString::fromStdString((lockFolder / "koktd.command").string());
}

CommandServer::CommandServer(commands::ClockCommands& clock, QObject* parent)
    : QObject(parent), clock_(clock), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

bool CommandServer::listen(const QString& path) {
    // Only this user's clocks reach the private folder, and this one holds
    // the lock: a socket there is a dead clock's.
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

void CommandServer::serve(QLocalSocket* socket) {
    if (socket->bytesAvailable() + socket->property("got").toByteArray().size() > kMaxRequest) {
        socket->abort();
        return;
    }
    QByteArray got = socket->property("got").toByteArray() + socket->readAll();
    socket->setProperty("got", got);
    if (!got.endsWith("\n\n") && got != "\n") return; // more to come
    std::vector<std::string> arguments;
    for (const QByteArray& line : got.split('\n'))
        if (!line.isEmpty()) arguments.push_back(line.toStdString());
    const commands::CommandLine command = commands::parseCommandLine(arguments);
    std::string reply;
    if (command.forClock())
        reply = commands::runCommand(command, clock_);
    else
        reply = "error: not a command\n";
    socket->write(QByteArray::fromStdString(reply));
    socket->flush();
    socket->disconnectFromServer();
}

std::optional<std::string> sendCommand(const QString& path,
                                       const std::vector<std::string>& arguments) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kReplyWaitMs)) return std::nullopt;
    QByteArray request;
    for (const std::string& a : arguments)
        request += QByteArray::fromStdString(a) + '\n';
    request += '\n';
    socket.write(request);
    if (!socket.waitForBytesWritten(kReplyWaitMs)) return std::nullopt;
    QByteArray reply;
    while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(kReplyWaitMs))
        reply += socket.readAll();
    reply += socket.readAll();
    return reply.toStdString();
}

} // namespace kok::app
