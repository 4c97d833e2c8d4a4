// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "platform/clock.h"

namespace kok::signal {

// Which of the hourly moments a clock tick stands for.
struct ChimeMoments {
    bool topOfHour = false; // mm:ss reads 00:00
    bool callSigns = false; // mm:ss reads 59:55
};

// Decides, tick by tick, whether the full hour or the call-sign second has
// come. The full hour counts when the tick's time reads it, or when it was
// passed since the previous tick and the tick is still within minute 00 (a
// late tick must not lose the chime). The call signs count only on a tick that
// reads 59:55: started any later, their long last pip would fall after the
// hour it marks. A moment already counted is never counted again, even if
// ticks repeat a second.
class ChimeTrigger {
  public:
    ChimeMoments onTick(const platform::LocalTime& now);

  private:
    std::optional<std::int64_t> previous_;
};

// Seconds since 1970-01-01 of a local date and time (as if it were UTC),
// used to compare tick times across days.
std::int64_t linearSeconds(const platform::LocalTime& t);

} // namespace kok::signal
