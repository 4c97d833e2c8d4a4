// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/restart.h"

#include <QCoreApplication>
#include <QWidget>
#include <utility>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/translate.h"
#include "settings/autostart.h"
#include "settings/settings_file.h"
#include "skin/skin_choice.h"

namespace kok::app {
namespace {

bool terminating = false;
std::function<void()> releaseForSuccessor;

void startSuccessor() {
    if (releaseForSuccessor) std::exchange(releaseForSuccessor, nullptr)();
    platform::startDetached(platform::executablePath().string(), {kRebootSwitch});
}

} // namespace

void RestartProgram() {
    startSuccessor();
    requestTermination();
}

void RestartWithDefaultSkin(QWidget* clockWindow, bool fallbackFailed) {
    if (clockWindow && clockWindow->isVisible()) clockWindow->hide();
    const bool xpFamily = settings::IsXpFamily();
    // Ended only after the message: a queued quit would close the box at once.
    const auto end = [](const char* message) {
        platform::showMessage(platform::trText("Messages", message));
        requestTermination();
    };
    if (fallbackFailed) return end(kSkinResetFailedMessage);
    try {
        skin::resetSkinChoice(xpFamily);
    } catch (const settings::WriteError&) {
        return end(kSkinResetFailedMessage);
    }
    end(kSkinResetMessage);
    startSuccessor();
}

BeforeSuccessor::BeforeSuccessor(std::function<void()> release) {
    releaseForSuccessor = std::move(release);
}

BeforeSuccessor::~BeforeSuccessor() {
    releaseForSuccessor = nullptr;
}

void requestTermination() {
    terminating = true;
    // Queued, so that it also ends a program whose message loop has not started yet.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool terminationRequested() {
    return terminating;
}

} // namespace kok::app
