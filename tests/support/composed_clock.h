// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Clock window with its parts built beside it as the program's entry
// builds them, for the tests that look at the window with its parts.

#include <QString>
#include <utility>

#include "app/clock_composition.h"
#include "clock/clock_window.h"

namespace kok::test {

class ComposedClock : public clock::ClockWindow {
  public:
    explicit ComposedClock(QString firstArgument)
        : ClockWindow(std::move(firstArgument)), parts_(*this) {}

    app::ClockComposition& parts() { return parts_; }

  private:
    app::ClockComposition parts_;
};

} // namespace kok::test
