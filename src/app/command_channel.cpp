// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_channel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QVariant>
#include <array>
#include <memory>
#include <utility>

#include "commands/command_line.h"

namespace kok::app {
namespace {

using commands::Outcome;

// No command is longer; a client that sends more is cut off.
constexpr qint64 kMaxRequest = 4096;
constexpr int kReplyWaitMs = 15000; // a firing may hold the clock's thread for a while
constexpr int kConnectWaitMs = 1000;
constexpr int kRetryMs = 100;

constexpr std::array<std::pair<Outcome, const char*>, 3> kOutcomeWords{{
    {Outcome::Done, "done"},
    {Outcome::NotStored, "not-stored"},
    {Outcome::NotStarted, "not-started"},
}};
constexpr const char* kRefused = "refused";

const char* wordOf(Outcome outcome) {
    for (const auto& [o, word] : kOutcomeWords)
        if (o == outcome) return word;
    return kRefused;
}

// The answer in a reply, or nothing when its first line is none of ours.
std::optional<ClockAnswer> readAnswer(const QByteArray& reply) {
    const qsizetype end = reply.indexOf('\n');
    if (end < 0) return std::nullopt;
    const QByteArray word = reply.left(end);
    ClockAnswer answer;
    answer.output = reply.mid(end + 1).toStdString();
    if (word == kRefused) {
        answer.refused = true;
        return answer;
    }
    for (const auto& [o, w] : kOutcomeWords)
        if (word == w) {
            answer.outcome = o;
            return answer;
        }
    return std::nullopt;
}

// A socket connected to a clock at one of `paths`, or nothing.
std::unique_ptr<QLocalSocket> connectToClock(const std::vector<QString>& paths) {
    for (const QString& path : paths) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(path);
        if (socket->waitForConnected(kConnectWaitMs)) return socket;
    }
    return nullptr;
}

} // namespace

std::vector<QString> commandSocketPaths(const std::vector<std::filesystem::path>& lockFolders) {
    std::vector<QString> paths;
    for (const auto& folder : lockFolders)
        paths.push_back(QString::fromStdString((folder / "koktd.command").string()));
    return paths;
}

CommandServer::CommandServer(commands::ClockCommands& clock, QObject* parent)
    : QObject(parent), clock_(clock) {}

bool CommandServer::listen(const std::vector<QString>& paths) {
    for (const QString& path : paths) {
        auto* server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server, &QLocalServer::newConnection, this, [this, server] {
            while (QLocalSocket* socket = server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
        // Only this user's clocks reach the private folder, and this one holds
        // the lock: a socket there is a dead clock's, or the one a restarted
        // predecessor has already closed.
        QLocalServer::removeServer(path);
        if (server->listen(path))
            servers_.push_back(server);
        else
            delete server;
    }
    return !servers_.empty();
}

void CommandServer::close() {
    for (QLocalServer* server : servers_)
        server->close();
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
    QByteArray reply;
    if (command.forClock()) {
        const commands::CommandReply done = commands::runCommand(command, clock_);
        reply = QByteArray(wordOf(done.outcome)) + '\n' + QByteArray::fromStdString(done.output);
    } else {
        reply = QByteArray(kRefused) + '\n';
    }
    socket->write(reply);
    socket->flush();
    socket->disconnectFromServer();
}

std::optional<ClockAnswer> sendCommand(const std::vector<QString>& paths,
                                       const std::vector<std::string>& arguments,
                                       const std::function<bool()>& clockRunning, int startWaitMs) {
    const QDeadlineTimer deadline(startWaitMs);
    std::unique_ptr<QLocalSocket> socket = connectToClock(paths);
    while (!socket && !deadline.hasExpired() && clockRunning()) {
        QThread::msleep(kRetryMs);
        socket = connectToClock(paths);
    }
    if (!socket) return std::nullopt;
    // Sent once: a clock that took the command and then fell silent may have
    // run it.
    QByteArray request;
    for (const std::string& a : arguments)
        request += QByteArray::fromStdString(a) + '\n';
    request += '\n';
    socket->write(request);
    if (!socket->waitForBytesWritten(kReplyWaitMs)) return std::nullopt;
    QByteArray reply;
    while (socket->state() == QLocalSocket::ConnectedState &&
           socket->waitForReadyRead(kReplyWaitMs))
        reply += socket->readAll();
    reply += socket->readAll();
    return readAnswer(reply);
}

} // namespace kok::app
