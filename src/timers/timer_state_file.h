// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "platform/file_cache.h"
#include "settings/ini_file.h"

namespace kok::timers {

// The Timer state file over its whole life, for the countdown and the
// stopwatch together: created by the first write of a start, read at every
// tick, deleted when neither timer is started.
class TimerStateFile {
  public:
    // The file as it is now. Read again only when its identity has changed,
    // so that a tick with nothing new costs a stat; a hand edit shows at the
    // next tick, and this program's own writes at once.
    const settings::IniUpdate& snapshot();
    // Changes whenever the snapshot is read anew.
    unsigned long long generation() const { return cache_.reads(); }
    // Applies the edits in one write; false when the file cannot be written.
    bool write(const std::function<void(settings::IniUpdate&)>& edits);
    // Deletes the file, unless the last write failed: then it stays, so that
    // a started timer's times are not lost with it.
    void remove();

  private:
    platform::FileCache<settings::IniUpdate> cache_;
    bool unwritable_ = false;
};

} // namespace kok::timers
