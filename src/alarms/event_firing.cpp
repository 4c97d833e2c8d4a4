// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/event_firing.h"

#include <QAction>
#include <QTimer>

#include "platform/process.h"
#include "platform/tick_timer.h"
#include "settings/event_keys.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "signals/sound.h"
#include "signals/warning_lock.h"
#include "signals/wave_playback.h"

namespace kok::alarm {
namespace {

namespace keys = settings::alarms; // the countdown shares these defaults
namespace name = settings::timer;  // the bare key names the countdown uses

constexpr int kSnoozeDefaultMinutes = 5;

} // namespace

EventFiring::EventFiring(FiringParts parts, signal::MessageBar& bar, QObject* parent)
    : QObject(parent), ui_(parts), bar_(bar) {
    connect(ui_.tt_reminder, &QTimer::timeout, this, &EventFiring::tt_reminderTimer);
}

void EventFiring::FireEvent(int event, bool isReminder) {
    const settings::EventKeys k(event);
    const int remind = settings::openSettings().readInteger(k.section(), k.key(name::kRemind),
                                                            keys::kRemindMessageBarDefault);
    if (reminder_.onFiring(event, remind, isReminder)) {
        if (reminder_.pending())
            ui_.tt_reminder->start(reminder_.intervalMs()); // counts anew from this firing
        else
            ui_.tt_reminder->stop();
        ui_.m_noremind->setVisible(reminder_.pending());
    }
    bar_.ShowMessageBar(event);
    emit fired(event);
    RunActions(event);
    bar_.armDismissal();
    // The next alarm check falls outside this minute, and no pre-warning
    // sounds within the next minute.
    if (ui_.tt_alarm->isActive()) ui_.tt_alarm->start(std::chrono::minutes(1));
    ui_.tt_locker->restart();
}

// Each action runs on its own: a sound that cannot be found plays the default
// one (and one refused for its size says so on the bar), and a program that
// cannot start is passed over.
void EventFiring::RunActions(int event) {
    const settings::EventKeys k(event);
    const settings::IniUpdate ini = settings::openSettings().snapshot(); // one read
    const auto flag = [&](std::string_view name, int defaultValue) {
        return ini.readFlag(k.section(), k.key(name), defaultValue != 0);
    };
    if (flag(name::kSound, keys::kSoundDefault)) {
        const std::string file =
            ini.readString(k.section(), k.key(name::kFile), keys::kFileDefault);
        if (signal::PlayWaveFile(file, flag(name::kLoop, keys::kLoopDefault)) ==
            signal::WaveStart::TooLarge)
            bar_.tell(signal::waveFileRefusal(file));
    }
    if (flag(name::kStart, keys::kStartDefault))
        platform::startCommandLine(
            ini.readString(k.section(), k.key(name::kApp), keys::kAppFiringDefault));
    if (flag(name::kBeep, keys::kBeepFiringDefault))
        signal::PlayBeepType(
            ini.readInteger(k.section(), k.key(name::kType), keys::kTypeFiringDefault));
}

void EventFiring::snooze(int event) {
    const settings::EventKeys k(event);
    const int remind = settings::openSettings().readInteger(k.section(), k.key(name::kRemind),
                                                            keys::kRemindMessageBarDefault);
    reminder_.schedule(event, remind > 0 ? remind : kSnoozeDefaultMinutes);
    ui_.tt_reminder->start(reminder_.intervalMs());
    ui_.m_noremind->setVisible(true);
}

void EventFiring::tt_reminderTimer() {
    m_noremindClick();
    FireEvent(reminder_.event(), true);
}

void EventFiring::m_noremindClick() {
    reminder_.cancel();
    ui_.tt_reminder->stop();
    ui_.m_noremind->setVisible(false);
}

} // namespace kok::alarm
