#pragma once

class QWidget;

namespace kok::app {

inline constexpr const char* kRebootSwitch = "/reboot";
inline constexpr const char* kAutorunSwitch = "/autorun";

inline constexpr const char* kSkinResetMessage =
    "Произошла ошибка во время загрузки темы.\n"
    "Нажмите «ОК» для перезапуска программы\n"
    "и загрузки параметров темы по умолчанию.";
inline constexpr const char* kSkinResetFailedMessage =
    "Произошла ошибка загрузки темы и сохранения её настроек.\n"
    "Возможно, программа запущена с диска, запись на который запрещена\n"
    "или файл настроек имеет аттрибут «только для чтения».\n"
    "Работа программы будет прекращена.";

// Starts a fresh instance with "/reboot" and ends this one. With `resetSkin`
// the running family's skin choice goes back to the built-in "ext" first; if
// that cannot be written, no new instance starts.
void RestartProgram(QWidget* clockWindow, bool resetSkin);

// Tells the application to end once the current handler has finished.
void requestTermination();
bool terminationRequested();

// Resets the running family's skin choice to the built-in "ext". Throws
// settings::WriteError when the Settings file cannot be written.
void resetSkinChoice(bool xpFamily);

} // namespace kok::app
