// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm_check.h"
#include "alarms/alarm_slots.h"
#include "platform/file_cache.h"

class QAction;
namespace kok::platform {
class TickTimer;
}

namespace kok::clock {
class ClockSurface;
}
namespace kok::settings {
class IniFile;
}
namespace kok::signal {
class MessageBar;
class WarningLock;
} // namespace kok::signal

namespace kok::alarm {

class EventFiring;

// The parts of the Clock window the alarm slots drive.
struct AlarmParts {
    platform::TickTimer* tt_alarm = nullptr;
    signal::WarningLock* tt_locker = nullptr;
    std::array<QAction*, kSlotCount> ma{}; // ma_0 .. ma_9
    // Hidden together when a slot's switch cannot be stored.
    QAction* m_alarms = nullptr;
    QAction* m_timers = nullptr;
    QAction* m_separator_1 = nullptr;
    QAction* m_separator_2 = nullptr;
};

// The ten alarm slots at run time: the show-time load of the timer and the
// menu, the check on every tick, and the menu's switches.
class AlarmController : public QObject {
    Q_OBJECT

  public:
    AlarmController(AlarmParts parts, EventFiring& firing, signal::MessageBar& bar,
                    clock::ClockSurface& surface, std::function<void()> repaintNow,
                    QObject* parent = nullptr);

    // Once-alarms the check has just switched off, for a dialog that edits
    // the slots meanwhile.
    void setSwitchedOff(std::function<void(const std::vector<int>&)> switchedOff) {
        switchedOff_ = std::move(switchedOff);
    }

    // The alarm part of the window's show-time load.
    void load(const settings::IniFile& ini);
    void tt_alarmTimer();
    // The Message bar was dismissed: within the warning lock the next check
    // moves to second 1 of the next minute.
    void onBarDismissed();

  signals:
    // A missed once-alarm's bar shows: its slot and its time.
    void missedShown(int slot, int hour, int minute);

  private:
    const AlarmSettings& currentSettings();
    // Shows the first missed alarm that waits, unless a bar shows.
    void showMissedAlarm();

    AlarmParts ui_;
    EventFiring& firing_;
    signal::MessageBar& bar_;
    clock::ClockSurface& surface_;
    std::function<void()> repaintNow_;
    std::function<void(const std::vector<int>&)> switchedOff_;
    AlarmCheck check_;
    struct Missed {
        int slot;
        int dueSecondOfDay;
    };
    std::deque<Missed> missed_; // missed alarms not shown yet
    int periodSeconds_ = 5;
    platform::FileCache<AlarmSettings> settings_;
};

} // namespace kok::alarm
