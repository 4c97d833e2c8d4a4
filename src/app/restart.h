// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

#include "face/program_control.h"

namespace kok::app {

using face::kRebootSwitch;

// Shown through platform::trText("Messages", …).
inline constexpr const char* kSkinResetMessage =
    QT_TRANSLATE_NOOP("Messages", "Произошла ошибка во время загрузки темы.\n"
                                  "Нажмите «ОК» для перезапуска программы\n"
                                  "и загрузки параметров темы по умолчанию.");
inline constexpr const char* kSkinResetFailedMessage = QT_TRANSLATE_NOOP(
    "Messages", "Произошла ошибка загрузки темы и сохранения её настроек.\n"
                "Возможно, программа запущена с диска, запись на который запрещена\n"
                "или файл настроек имеет аттрибут «только для чтения».\n"
                "Работа программы будет прекращена.");

// Starts a fresh instance with "/reboot" and ends this one.
void RestartProgram();

// After a skin failed to load: hides the Clock window, sets the running
// family's skin choice back to the built-in "ext", says so and restarts. When
// the choice cannot be written, or when `fallbackFailed` (the built-in skin
// failed in an instance a restart started, so another restart would fail the
// same way), it says that the program ends, and no new instance starts.
void RestartWithDefaultSkin(QWidget* clockWindow, bool fallbackFailed);

// While it lives, `release` runs before a successor starts: this clock lets
// go of what the successor takes over (the command sockets, the name on the
// session bus) while it is still ending.
class BeforeSuccessor {
  public:
    explicit BeforeSuccessor(std::function<void()> release);
    ~BeforeSuccessor();
    BeforeSuccessor(const BeforeSuccessor&) = delete;
    BeforeSuccessor& operator=(const BeforeSuccessor&) = delete;
};

// Tells the application to end once the current handler has finished.
void requestTermination();
bool terminationRequested();

// The functions above as the control the parts below the program's top reach.
class ProgramServices final : public face::ProgramControl {
  public:
    void restartProgram() override { RestartProgram(); }
    void restartWithDefaultSkin(QWidget* clockWindow, bool fallbackFailed) override {
        RestartWithDefaultSkin(clockWindow, fallbackFailed);
    }
    void requestTermination() override { app::requestTermination(); }
    bool terminationRequested() const override { return app::terminationRequested(); }
};

} // namespace kok::app
