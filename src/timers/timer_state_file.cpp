// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/timer_state_file.h"

#include "timers/timer_state.h"

namespace kok::timers {

const settings::IniUpdate& TimerStateFile::snapshot() {
    const auto path = timerStatePath();
    return cache_.get(path, [&] { return settings::IniFile(path).snapshot(); });
}

bool TimerStateFile::write(const std::function<void(settings::IniUpdate&)>& edits) {
    // Seen at once, even by a write that leaves the identity as it was.
    cache_.forget();
    try {
        settings::IniFile(timerStatePath()).update(edits);
        unwritable_ = false;
    } catch (const settings::WriteError&) {
        unwritable_ = true;
    }
    return !unwritable_;
}

void TimerStateFile::remove() {
    if (unwritable_) return;
    cache_.forget();
    removeTimerState();
}

} // namespace kok::timers
