// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every section, key and default of the Settings file "kOkTD.KiF", in one
// place. Where two readers use different defaults for the same key, each has
// its own constant, named after the reader.

#include <QtGlobal>
#include <string>
#include <string_view>

namespace kok::settings {

inline constexpr std::string_view kSettingsFileName = "kOkTD.KiF";
inline constexpr std::string_view kAlarmWorkingCopyName = "kOkTD.tmp";
inline constexpr std::string_view kTimerStateFileName = "kOkTD.timer";
// Written by earlier versions while a built-in skin loaded, then removed; a
// crash may have left them.
inline constexpr std::string_view kMaskTempFileName = "mask.tmp";
inline constexpr std::string_view kSkinDescriptionTempFileName = "kOkTD.ksf";

// Shown through platform::trText("Messages", …).
inline constexpr std::string_view kWriteFailureText = QT_TRANSLATE_NOOP(
    "Messages", "Возникла проблема при попытке записать файл на диск.\n"
                "Возможно, программа запущена с диска, запись на который запрещена.");

namespace main_section {
inline constexpr std::string_view kName = "kOk:TD";
inline constexpr std::string_view kPosX = "PosX";
inline constexpr std::string_view kPosY = "PosY";
inline constexpr std::string_view kPriority = "Priority";
inline constexpr std::string_view kMagnet = "Magnet";
inline constexpr std::string_view kWarnBeep = "WarnBeep";
// Keys of this program alone; programs that do not know them pass them over.
inline constexpr std::string_view kNotify = "Notify";           // desktop notifications
inline constexpr std::string_view kAllDesktops = "AllDesktops"; // on every workspace
// PosX on the Clock window: screen width - window width - this margin.
inline constexpr int kPosXRightMargin = 70;
inline constexpr int kPosYDefault = 0;
inline constexpr int kPriorityDefault = 0;
inline constexpr int kMagnetDefault = 1;
inline constexpr int kWarnBeepDefault = 1;
inline constexpr int kNotifyDefault = 1;
inline constexpr int kAllDesktopsDefault = 1;
} // namespace main_section

namespace hour {
inline constexpr std::string_view kName = "kOk:TD:Hour";
inline constexpr std::string_view kUse = "Use";
inline constexpr std::string_view kBeep = "Beep";
inline constexpr std::string_view kWave = "Wave";
inline constexpr std::string_view kSound = "Sound";
inline constexpr std::string_view kVoice = "Voice";
inline constexpr std::string_view kFile = "File";
inline constexpr int kUseDefault = 0;
inline constexpr int kBeepDefault = 1;
inline constexpr int kWaveDefault = 0;
inline constexpr int kSoundDefault = 0;
inline constexpr int kVoiceDefault = 0;
// The short chime sound, in the options page and the chime alike; the alarms
// and the countdown keep the rising alarm sound.
inline constexpr std::string_view kFileDefault = "MEDIA\\NOTIFY.wAv";
} // namespace hour

namespace indicator {
inline constexpr std::string_view kName = "kOk:TD:Indicator";
inline constexpr std::string_view kSystemTime = "SystemTime";
inline constexpr std::string_view kAsZero = "asZero";
inline constexpr std::string_view kAsNone = "asNone";
inline constexpr std::string_view kAsNull = "asNull";
inline constexpr int kSystemTimeDefault = 0;
inline constexpr int kAsZeroDefault = 0;
inline constexpr int kAsNoneDefault = 0;
inline constexpr int kAsNullDialogDefault = 1;
} // namespace indicator

namespace alarms {
inline constexpr std::string_view kName = "kOk:TD:Alarms";
inline constexpr std::string_view kAccuracy = "Accuracy";
inline constexpr int kAccuracyDefault = 5;
inline constexpr int kSlotCount = 10;

// Slot keys are the slot digit followed by one of these suffixes.
inline constexpr std::string_view kUse = "_Use";
inline constexpr std::string_view kHour = "_Hour";
inline constexpr std::string_view kMinute = "_Minute";
inline constexpr std::string_view kDate = "_Date";
inline constexpr std::string_view kWarn = "_Warn";
inline constexpr std::string_view kRemind = "_Remind";
inline constexpr std::string_view kAtOnce = "_atOnce";
inline constexpr std::string_view kAtDate = "_atDate";
inline constexpr std::string_view kAtWeek = "_atWeek";
inline constexpr std::string_view kAtWeekDay = "_atWeekDay_"; // followed by 0..6, 0 = Sunday
inline constexpr std::string_view kSound = "_Sound";
inline constexpr std::string_view kLoop = "_Loop";
inline constexpr std::string_view kFile = "_File";
inline constexpr std::string_view kBeep = "_Beep";
inline constexpr std::string_view kType = "_Type";
inline constexpr std::string_view kStart = "_Start";
inline constexpr std::string_view kApp = "_App";
inline constexpr std::string_view kMessage = "_Message";

inline std::string slotKey(int slot, std::string_view suffix) {
    return std::to_string(slot) + std::string(suffix);
}
inline std::string weekDayKey(int slot, int day) {
    return slotKey(slot, kAtWeekDay) + std::to_string(day);
}

// Defaults of the Settings dialog (and so of every saved slot).
namespace dialog {
inline constexpr int kUse = 0;
inline constexpr int kHour = 12;
inline constexpr int kMinute = 0;
inline constexpr int kWarn = 1;
inline constexpr int kRemind = 5;
inline constexpr int kAtOnce = 0;
inline constexpr int kAtDate = 0;
inline constexpr int kAtWeek = 1;
inline constexpr int kAtWeekDay = 1;
inline constexpr int kSound = 0;
inline constexpr int kLoop = 0;
inline constexpr std::string_view kFile = "MEDIA\\LOGOFF.wAv";
inline constexpr int kBeep = 1;
inline constexpr int kType = 2;
inline constexpr int kStart = 0;
inline constexpr std::string_view kApp = "xdg-open https://www.example.org/";
// Shown (and saved) in the interface's language: translated where it is used.
inline constexpr std::string_view kMessage = QT_TRANSLATE_NOOP(
    "Defaults", "ПРИВЕТ!          [ СООБЩЕНИЕ В МОМЕНТ СРАБАТЬIВАНИЯ ЭТОГО БУДИЛЬНИКА ]");
} // namespace dialog

// Defaults of the other readers, named by reader where they differ.
inline constexpr int kUseDefault = 0;
inline constexpr int kHourCheckDefault = 12;
inline constexpr int kHourMenuDefault = 0;
inline constexpr int kMinuteDefault = 0;
inline constexpr int kWarnCheckDefault = 0;
inline constexpr int kWarnMin = 0; // minutes, the alarm page's range
inline constexpr int kWarnMax = 60;
inline constexpr int kRemindMessageBarDefault = 0;
inline constexpr int kAtOnceDefault = 0;
inline constexpr int kAtDateDefault = 0;
inline constexpr int kAtWeekCheckDefault = 0;
inline constexpr int kAtWeekDayDefault = 1;
inline constexpr int kSoundDefault = 0;
inline constexpr int kLoopDefault = 0;
inline constexpr std::string_view kFileDefault = "MEDIA\\LOGOFF.wAv";
inline constexpr int kBeepFiringDefault = 0;
inline constexpr int kTypeFiringDefault = 1;
inline constexpr int kStartDefault = 0;
inline constexpr std::string_view kAppFiringDefault = "";
inline constexpr std::string_view kMessageBarDefault =
    QT_TRANSLATE_NOOP("Defaults", ">>>  ПРИШЛО ВРЕМЯ  <<<");
} // namespace alarms

namespace timer {
inline constexpr std::string_view kName = "kOk:TD:Timer";
inline constexpr std::string_view kUse = "Use";
inline constexpr std::string_view kActive = "Active";
inline constexpr std::string_view kCountDown = "CountDown";
inline constexpr std::string_view kAsTime = "asTime";
inline constexpr std::string_view kWarn1 = "Warn_1";
inline constexpr std::string_view kWarn2 = "Warn_2";
inline constexpr std::string_view kRemind = "Remind";
inline constexpr std::string_view kSound = "Sound";
inline constexpr std::string_view kLoop = "Loop";
inline constexpr std::string_view kFile = "File";
inline constexpr std::string_view kBeep = "Beep";
inline constexpr std::string_view kType = "Type";
inline constexpr std::string_view kStart = "Start";
inline constexpr std::string_view kApp = "App";
inline constexpr std::string_view kMessage = "Message";
inline constexpr std::string_view kTerminate = "Terminate";
inline constexpr int kSavedCount = 5;
inline std::string savedKey(int n) {
    return "Saved_" + std::to_string(n);
} // n = 1..5

namespace dialog {
inline constexpr int kUse = 0;
inline constexpr int kCountDown = 100;
inline constexpr int kAsTime = 1;
inline constexpr int kWarn1 = 60;
inline constexpr int kWarn2 = 10;
inline constexpr int kRemind = 5;
inline constexpr int kSound = 0;
inline constexpr int kLoop = 0;
inline constexpr std::string_view kFile = "MEDIA\\LOGOFF.wAv";
inline constexpr int kBeep = 0;
inline constexpr int kType = 2;
inline constexpr int kStart = 0;
inline constexpr std::string_view kApp = "xdg-open https://www.example.org/";
inline constexpr std::string_view kMessage = QT_TRANSLATE_NOOP(
    "Defaults", "ВРЕМЯ ИСТЕКЛО!          [ СООБЩЕНИЕ В МОМЕНТ ИСТЕЧЕНИЯ ВРЕМЕНИ ТАЙМЕРА ]");
inline constexpr std::string_view kSaved = "-";
inline constexpr int kTerminate = 1;
} // namespace dialog

inline constexpr int kUseShowDefault = 0;
inline constexpr int kActiveShowDefault = 0;
inline constexpr int kCountDownStartDefault = 100;
inline constexpr int kAsTimeDefault = 1;
inline constexpr int kWarn1StartDefault = 0;
inline constexpr int kWarn2StartDefault = 0;
inline constexpr int kRemindMessageBarDefault = 0;
inline constexpr int kSoundDefault = 0;
inline constexpr int kLoopDefault = 0;
inline constexpr std::string_view kFileDefault = "MEDIA\\LOGOFF.wAv";
inline constexpr int kBeepDefault = 0;
inline constexpr int kTypeFiringDefault = 1;
inline constexpr int kStartDefault = 0;
inline constexpr std::string_view kAppFiringDefault = "";
inline constexpr std::string_view kMessageBarDefault =
    QT_TRANSLATE_NOOP("Defaults", ">>>  ПРИШЛО ВРЕМЯ  <<<");
inline constexpr int kTerminateShowDefault = 1;
} // namespace timer

namespace message {
inline constexpr std::string_view kName = "kOk:TD:Message";
inline constexpr std::string_view kAtTop = "atTop";
inline constexpr std::string_view kAtCenter = "atCenter";
inline constexpr std::string_view kAtFull = "atFull";
inline constexpr std::string_view kFont = "Font";
inline constexpr std::string_view kSize = "Size";
inline constexpr std::string_view kHeight = "Height";
inline constexpr std::string_view kFrequency = "Frequency";
inline constexpr std::string_view kColorBG = "ColorBG";
inline constexpr std::string_view kColorFG = "ColorFG";

namespace dialog {
inline constexpr int kAtTop = 1;
inline constexpr int kAtCenter = 0;
inline constexpr int kAtFull = 0;
inline constexpr int kFont = 1;
inline constexpr int kSize = 7;
inline constexpr int kHeight = 18;
inline constexpr int kFrequency = 250;
inline constexpr int kColorBG = 13145700;
inline constexpr int kColorFG = 16777215;
} // namespace dialog

inline constexpr int kAtTopBarDefault = 0;
inline constexpr int kAtCenterDefault = 0;
inline constexpr int kAtFullDefault = 0;
inline constexpr int kFontDefault = 1;
inline constexpr int kSizeDefault = 7;
inline constexpr int kHeightTopBarDefault = 18;
inline constexpr int kHeightCentreStripDefault = 250;
inline constexpr int kHeightMin = 18; // the message page's range
inline constexpr int kHeightMax = 250;
inline constexpr int kFrequencyDefault = 250;
inline constexpr int kFrequencyMin = 100; // the message page's range, in ms
inline constexpr int kFrequencyMax = 1000;
inline constexpr int kColorBGDefault = 13145700;
inline constexpr int kColorFGDefault = 16777215;
} // namespace message

namespace skins {
inline constexpr std::string_view kName = "kOk:TD:Skins";
inline constexpr std::string_view kXpPrefix = "XP_";
inline constexpr std::string_view k9xPrefix = "9X_";
inline constexpr std::string_view kSkinExt = "SkinExt";
inline constexpr std::string_view kSkinName = "SkinName";
inline constexpr std::string_view kSkinPath = "SkinPath";
inline std::string familyKey(bool xpFamily, std::string_view key) {
    return std::string(xpFamily ? kXpPrefix : k9xPrefix) + std::string(key);
}
inline constexpr int kSkinExtDefault = 0;
inline constexpr std::string_view kSkinNameDefault = "ext";
inline constexpr std::string_view kSkinPathDialogDefault = "C:\\";
inline constexpr std::string_view kSkinPathLoaderDefault = "skin.ksf";
} // namespace skins

} // namespace kok::settings
