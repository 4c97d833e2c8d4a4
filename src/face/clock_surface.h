// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace kok::clock {

// The two text indicators of a skin.
enum class Indicator { Time, Timer };

// What the parts beside the Clock window (alarms, the countdown and the
// stopwatch) may ask of it. They never see the window itself; the Message bar
// has a face of its own (signal::BarWindow).
class ClockSurface {
  public:
    // A setting changed: the show-time load runs again, the window staying
    // shown (or hidden) as it is.
    virtual void reshow() = 0;
    virtual void setIndicatorText(Indicator which, const QString& text) = 0;
    // Whether the skin shows the timer indicator.
    virtual bool hasTimerIndicator() const = 0;
    // A timer's text: on the timer indicator when the skin shows one, else on
    // the time indicator in place of the clock.
    virtual void showTimerText(const QString& text) = 0;
    // The clock's tick writes the time indicator; a timer that uses it stops it.
    virtual void setClockTickRunning(bool running) = 0;
    // The uptime display shares the timer indicator: off while a timer is started.
    virtual void setUptimeDisplayEnabled(bool enabled) = 0;
    // The timer button's idle picture tells whether the stopwatch runs.
    virtual void setTimerButtonRunning(bool running) = 0;

  protected:
    ~ClockSurface() = default;
};

} // namespace kok::clock
