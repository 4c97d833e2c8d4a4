// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QWidget;
namespace kok::platform {
class TickTimer;
struct LocalTime;
} // namespace kok::platform
namespace kok::signal {
class WarningLock;
}

namespace kok::timers {

// The parts of the Clock window the countdown and the stopwatch drive.
struct TimerParts {
    platform::TickTimer* tt_countdown = nullptr;
    platform::TickTimer* tt_timer = nullptr;
    signal::WarningLock* tt_locker = nullptr; // the warning lock the countdown's warnings start
    QAction* mt_start_cdn = nullptr;
    QAction* mt_start_tmr = nullptr;
    QAction* mt_mode_stop = nullptr;
    QAction* mt_mode_pause = nullptr;
    QAction* m_timers = nullptr; // hidden when the timers cannot be stored
    QWidget* i_timer = nullptr;  // the timer button, whose tooltip tells its mode
};

// Both timers tick just after the second boundary, with the clock.
void startTick(platform::TickTimer& timer);
void startTick(platform::TickTimer& timer, const platform::LocalTime& now);
// A timer that cannot store its times: the timers menu goes, with a message.
void timersUnusable(QAction& m_timers);

} // namespace kok::timers
