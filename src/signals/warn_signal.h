// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace kok::signal {

class WarningLock;

// The pre-warning before an alarm or the end of the countdown. `startLock`
// starts the 60-second warning lock; `repaintNow` redraws the clock at once
// before the speaker form holds the thread. The setting "WarnBeep" chooses
// seven short speaker beeps (about 0.7 s) or the looped pre-warning clip on
// the sound card for 1.5 s, during which events keep being handled.
void PlayWarnSignal(const std::function<void()>& startLock,
                    const std::function<void()>& repaintNow);

// The same, switching `lock` on.
void PlayWarnSignal(WarningLock& lock, const std::function<void()>& repaintNow);

} // namespace kok::signal
