// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process.h"

#include <QProcess>
#include <QStringList>

namespace kok::platform {

bool startDetached(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

std::vector<std::string> commandLineWords(const std::string& commandLine) {
    std::vector<std::string> words;
    for (const QString& w : QProcess::splitCommand(QString::fromStdString(commandLine)))
        words.push_back(w.toStdString());
    return words;
}

bool startCommandLine(const std::string& commandLine) {
    QStringList parts = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

} // namespace kok::platform
