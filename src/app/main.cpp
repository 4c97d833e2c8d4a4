// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/language_choice.h"
#include "app/lazy_settings_dialog.h"
#include "app/restart.h"
#include "clock/clock_window.h"
#include "platform/instance_lock.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/questions.h"
#include "platform/translate.h"
#include "settings/keys.h"
#include "settings/leftovers.h"
#include "skin/picture_decode.h"

namespace {

constexpr const char* kInstanceName = "KTD_5_10_x";
constexpr const char* kAlreadyRunning =
    QT_TRANSLATE_NOOP("Messages", "Программа \"kOk DIAL TD\" уже запущена!");

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

} // namespace

int main(int argc, char** argv) {
    // Only the first argument counts, compared exactly.
    const std::string firstArgument = argc > 1 ? argv[1] : "";
    preferXcbUnderWayland();
    keepQtDialogStateInMemory();
    // Decided once: beside the program when it is the user's, else per user.
    kok::platform::useDataFolder(kok::platform::chooseDataFolder(kok::platform::executableDir(),
                                                                 kok::platform::userDataDir(),
                                                                 kok::settings::kSettingsFileName));

    kok::platform::InstanceLock instance(kInstanceName);
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
        kok::app::LazySettingsDialog settingsDialog(clockWindow);
        clockWindow.setSettingsDialog(&settingsDialog);
        if (!kok::app::terminationRequested()) clockWindow.show();
        app.exec();
    } catch (const std::exception& e) {
        // The text may name a file from a skin: plain text, never markup.
        QMessageBox box(QMessageBox::Critical, "kOk DIAL TD", QString::fromUtf8(e.what()));
        box.setTextFormat(Qt::PlainText);
        kok::platform::questions().ask(box);
    }
    return 0;
}
