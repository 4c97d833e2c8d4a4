// Menu and button commands whose work belongs to the alarms, the timers and
// the Message bar. The items and their bindings exist already; each of those
// parts fills its handler in here.

#include "clock/clock_window.h"

namespace kok::clock {

// Cancels the pending reminder.
void ClockWindow::m_noremindClick() {}

// Switches alarm slot `slot` on or off.
void ClockWindow::ma_0Click(int) {}

// Starts or stops the countdown.
void ClockWindow::mt_start_cdnClick() {}

// Starts or stops the stopwatch (also a double click on the timer button).
void ClockWindow::mt_start_tmrClick() {}

// The timer button's stopwatch mode: stop and reset, or pause and resume.
void ClockWindow::mt_mode_stopClick() {}
void ClockWindow::mt_mode_pauseClick() {}

// A click on the timer button.
void ClockWindow::i_timerClick() {}

// Dismisses the Message bar (a click on it, Esc or Enter).
void ClockWindow::p_messagerClick() {}

} // namespace kok::clock
