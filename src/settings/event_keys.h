// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "settings/keys.h"

namespace kok::settings {

// Events are numbered: 0..9 are the alarm slots, 10 is the countdown's end.
inline constexpr int kCountdownEvent = 10;

// Where an event keeps its settings: a slot's keys are its digit, "_" and the
// name ("4_Sound") in the alarms section; the countdown's are the name alone
// in its own section.
class EventKeys {
  public:
    explicit EventKeys(int event) : event_(event) {}

    bool isSlot() const { return event_ < kCountdownEvent; }
    std::string_view section() const { return isSlot() ? alarms::kName : timer::kName; }
    // `name` without the slot's "_": "Sound", "Message".
    std::string key(std::string_view name) const {
        return isSlot() ? std::to_string(event_) + "_" + std::string(name) : std::string(name);
    }

  private:
    int event_;
};

} // namespace kok::settings
