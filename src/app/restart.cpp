#include "app/restart.h"

#include <QApplication>
#include <QWidget>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"

namespace kok::app {

void resetSkinChoice(bool xpFamily) {
    namespace skins = settings::skins;
    settings::IniFile ini = settings::openSettings();
    ini.writeInteger(skins::kName, skins::familyKey(xpFamily, skins::kSkinExt), 0);
    ini.writeString(skins::kName, skins::familyKey(xpFamily, skins::kSkinName), "ext");
}

void RestartProgram(QWidget* clockWindow, bool resetSkin) {
    try {
        if (resetSkin) {
            if (clockWindow && clockWindow->isVisible()) clockWindow->hide();
            resetSkinChoice(settings::IsXpFamily());
            platform::showMessage(kSkinResetMessage);
        }
        platform::startDetached(platform::executablePath().string(), {kRebootSwitch});
    } catch (const settings::WriteError&) {
        platform::showMessage(kSkinResetFailedMessage);
    }
    requestTermination();
}

namespace {
bool terminating = false;
}

void requestTermination() {
    terminating = true;
    // Queued, so that it also ends a program whose message loop has not started yet.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool terminationRequested() { return terminating; }

} // namespace kok::app
