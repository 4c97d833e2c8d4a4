// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Clock window's inner parts that tests and benchmarks look at, kept out
// of the window's own interface: `inside(w).messageBar()`.

#include "clock/clock_window.h"
#include "signals/message_bar.h"
#include "timers/timers.h"

namespace kok::test {

class ClockWindowInside {
  public:
    explicit ClockWindowInside(clock::ClockWindow& w) : w_(w) {}

    signal::MessageBar& messageBar() const { return *w_.messageBar_; }
    timers::Stopwatch& stopwatch() const { return w_.timers_->stopwatch(); }
    // The pictures the skin gave the buttons.
    const skin::ButtonPictures& buttonPictures() const { return w_.ui_.ir; }
    bool menuAutoPopup() const { return w_.menuAutoPopup_; }
    void setMenuAutoPopup(bool on) const { w_.menuAutoPopup_ = on; }
    void setSystemMenuVisible(bool visible) const { w_.setSystemMenuVisible(visible); }
    void resetButtonsToIdle() const { w_.resetButtonsToIdle(); }

  private:
    clock::ClockWindow& w_;
};

inline ClockWindowInside inside(clock::ClockWindow& w) {
    return ClockWindowInside(w);
}

} // namespace kok::test
