// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/clock_composition.h"
#include "app/command_channel.h"
#include "app/dbus_service.h"
#include "app/language_choice.h"
#include "app/lazy_settings_dialog.h"
#include "app/restart.h"
#include "clock/clock_window.h"
#include "commands/command_line.h"
#include "notify/dbus_notification_sender.h"
#include "notify/event_notifier.h"
#include "platform/instance_lock.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/questions.h"
#include "platform/translate.h"
#include "settings/keys.h"
#include "settings/leftovers.h"
#include "settings/settings_file.h"
#include "skin/picture_decode.h"

namespace {

constexpr const char* kInstanceName = "KTD_5_10_x";
constexpr const char* kAlreadyRunning =
    QT_TRANSLATE_NOOP("Messages", "Программа \"kOk DIAL TD\" уже запущена!");
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Использование: koktd [команда]\n"
    "Без команды запускает часы. Команда передаётся запущенным часам,\n"
    "а если их нет, часы запускаются и выполняют её.\n"
    "\n"
    "  --countdown [Ч:]ММ:СС   запустить обратный отсчёт заданной длины\n"
    "  --countdown stop        остановить обратный отсчёт\n"
    "  --stopwatch start|pause|resume|stop|reset   управлять секундомером\n"
    "  --alarm N on|off        включить или выключить будильник N (0-9)\n"
    "  --settings [раздел]     открыть настройки (options, alarm, countdown,\n"
    "                          stopwatch, message, skins, editor, info)\n"
    "  --show                  показать спрятанные часы\n"
    "  --quit                  закрыть часы\n"
    "  --status                напечатать состояние часов строками «ключ: значение»\n"
    "  --help                  эта справка\n"
    "  --version               версия программы\n");
constexpr const char* kNoAnswer =
    QT_TRANSLATE_NOOP("CommandLine", "Запущенные часы не ответили на команду.");

// Under Wayland a client cannot keep itself on top or place itself; XWayland can.
void preferXcbUnderWayland() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    if (wayland && *wayland && x11 && *x11 && !std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// The window icon's sizes compiled in from resources/desktop. Title bars and
// window switchers ask for 48 px at most; bigger ones come from the installed
// icon theme through the desktop entry. Each size is decoded at start and
// sent to the X server with every window, so only the small ones are here.
QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QFile file(QStringLiteral(":/icon/%1.png").arg(size));
        if (file.open(QIODevice::ReadOnly))
            icon.addPixmap(kok::skin::decodePicture(file.readAll(), "PNG"));
    }
    return icon;
}

// Qt's own dialogs keep their state (last folder, history, custom colours)
// in ~/.config/QtProject.conf, a file shared with other Qt programs that an
// uninstall could not take back. A folder that cannot be made keeps it in
// memory for the session instead.
void keepQtDialogStateInMemory() {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

// The user's switch, read at each firing.
bool notificationsWanted() {
    namespace keys = kok::settings::main_section;
    return kok::settings::openSettings().readFlag(keys::kName, keys::kNotify, keys::kNotifyDefault);
}

// Help, version and a refused command print and end without a display.
int answerAlone(int argc, char** argv, const kok::commands::CommandLine& command) {
    QCoreApplication core(argc, argv);
    kok::app::installTranslators(core);
    using Action = kok::commands::CommandLine::Action;
    if (command.action == Action::Help) {
        std::fputs(kok::platform::trText("CommandLine", kUsage).c_str(), stdout);
        return 0;
    }
    if (command.action == Action::Version) {
        std::printf("koktd %s\n", KOKTD_VERSION);
        return 0;
    }
    const QString text = kok::platform::trQ("Messages", command.error)
                             .arg(QString::fromStdString(command.errorArgument));
    std::fprintf(stderr, "koktd: %s\n", text.toLocal8Bit().constData());
    return 2;
}

// A command for the clock that runs: handed over, its reply printed.
int handOver(int argc, char** argv, const QString& socketPath) {
    QCoreApplication core(argc, argv);
    kok::app::installTranslators(core);
    const auto reply = kok::app::sendCommand(socketPath, argumentsOf(argc, argv));
    if (!reply) {
        std::fprintf(stderr, "koktd: %s\n",
                     kok::platform::trQ("CommandLine", kNoAnswer).toLocal8Bit().constData());
        return 1;
    }
    std::fputs(reply->c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Only the first argument counts, compared exactly.
    const std::string firstArgument = argc > 1 ? argv[1] : "";
    const kok::commands::CommandLine command =
        kok::commands::parseCommandLine(argumentsOf(argc, argv));
    using Action = kok::commands::CommandLine::Action;
    if (command.action == Action::Help || command.action == Action::Version ||
        command.action == Action::Error)
        return answerAlone(argc, argv, command);
    preferXcbUnderWayland();
    keepQtDialogStateInMemory();
    // Decided once: beside the program when it is the user's, else per user.
    kok::platform::useDataFolder(kok::platform::chooseDataFolder(kok::platform::executableDir(),
                                                                 kok::platform::userDataDir(),
                                                                 kok::settings::kSettingsFileName));

    kok::platform::InstanceLock instance(kInstanceName);
    const QString socketPath = kok::app::commandSocketPath(instance.folder());
    if (command.forClock() && instance.otherRunning() && !instance.folder().empty())
        return handOver(argc, argv, socketPath);
    // Nothing to end.
    if (command.action == Action::Quit) return 0;
    QApplication app(argc, argv);
    kok::app::installTranslators(app);
    app.setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral(KOKTD_APP_ID));
    QApplication::setWindowIcon(appIcon());

    if (firstArgument != kok::app::kRebootSwitch && instance.otherRunning()) {
        QApplication::setApplicationName(QString());
        kok::platform::showMessage(kok::platform::trText("Messages", kAlreadyRunning));
        return 1;
    }
    QApplication::setApplicationName("kOk DIAL TD");
    // Alone, this instance may clear what a crashed one left half-written; a
    // restarted clock whose predecessor is still ending leaves that to later.
    if (!instance.otherRunning()) kok::settings::removeOwnLeftovers(kok::platform::dataDir());

    kok::app::ProgramServices services;
    const kok::face::ProgramControlInstall handedIn(services);
    try {
        kok::clock::ClockWindow clockWindow(QString::fromStdString(firstArgument));
        kok::app::ClockComposition parts(clockWindow);
        kok::app::LazySettingsDialog settingsDialog(clockWindow);
        clockWindow.setSettingsDialog(&settingsDialog);
        kok::app::CommandServer commandServer(parts.commands());
        if (!instance.folder().empty()) commandServer.listen(socketPath);
        // Without a session bus the clock runs as before, and says nothing.
        kok::app::DBusService dbus(parts.commands(), parts.events());
        dbus.publish(QStringLiteral(KOKTD_APP_ID));
        kok::notify::DBusNotificationSender notifications(QStringLiteral(KOKTD_APP_ID));
        const kok::notify::EventNotifier notifier(parts.events(), parts.commands(), notifications,
                                                  notificationsWanted);
        if (!kok::app::terminationRequested()) clockWindow.show();
        // A command of this start runs on the shown clock.
        if (command.forClock() && !kok::app::terminationRequested())
            std::fputs(kok::commands::runCommand(command, parts.commands()).c_str(), stdout);
        std::fflush(stdout);
        app.exec();
    } catch (const std::exception& e) {
        // The text may name a file from a skin: plain text, never markup.
        QMessageBox box(QMessageBox::Critical, "kOk DIAL TD", QString::fromUtf8(e.what()));
        box.setTextFormat(Qt::PlainText);
        kok::platform::questions().ask(box);
    }
    return 0;
}
