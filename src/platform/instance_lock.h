// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kok::platform {

// Where the lock files of one user may go. Every start of the same user must
// meet the others, whatever its environment says: a clock started after `su`
// or from cron, without XDG_RUNTIME_DIR, must still meet the one started at
// login.
struct LockFolders {
    std::filesystem::path fixed;   // when set, the only place, taken as it is (tests)
    std::filesystem::path runtime; // taken when it exists and is the user's alone
    std::filesystem::path shared;  // a private "koktd-<uid>" is made in it
    std::filesystem::path home;    // a private ".koktd" is made in it
};

// /run/user/<uid>, /tmp and the account's home folder; KOKTD_LOCK_DIR sets
// `fixed`, so that tests run beside a user's own clock.
LockFolders userLockFolders();

// A named object shared by every running instance, like a named mutex that
// each instance creates and never closes. The lock goes away with the last
// process that holds it, however that process ends (a crash included).
class InstanceLock {
  public:
    // Joins the named object in every one of `folders` that can hold it.
    // `otherRunning()` tells whether another process held it already in any
    // of them (or whether no folder could hold it at all).
    explicit InstanceLock(const std::string& name, const LockFolders& folders = userLockFolders());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool otherRunning() const { return otherRunning_; }
    // The first private folder that holds the lock (where the running clock
    // listens for commands); empty when none could.
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    std::vector<int> fds_; // one lock file per folder, held until the process ends
    bool otherRunning_ = true;
};

} // namespace kok::platform
