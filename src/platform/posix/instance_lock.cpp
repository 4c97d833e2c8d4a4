// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance_lock.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kok::platform {
namespace {

// A folder only we can enter: taken only if it is a real folder (not a
// link), ours, and closed to everybody else. In a shared folder like /tmp
// another user could have made the name first, to hold the lock against us
// or to see it.
bool isPrivateFolder(const std::filesystem::path& dir) {
    struct stat st {};
    return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

// The same, created 0700 if missing.
bool makePrivateFolder(const std::filesystem::path& dir) {
    if (::mkdir(dir.c_str(), 0700) == 0) ::chmod(dir.c_str(), 0700); // whatever the umask
    return isPrivateFolder(dir);
}

int openLockFile(const std::filesystem::path& p) {
    return ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

// The gate and the lock file in `dir`; false when either cannot be opened.
bool openLockFiles(const std::filesystem::path& dir, const std::string& stem, int& gate,
                   int& lock) {
    gate = openLockFile(dir / (stem + ".gate"));
    lock = gate < 0 ? -1 : openLockFile(dir / (stem + ".lock"));
    if (lock >= 0) return true;
    if (gate >= 0) ::close(gate);
    return false;
}

} // namespace

LockFolders userLockFolders() {
    LockFolders f;
    if (const char* v = std::getenv("KOKTD_LOCK_DIR"); v && *v) f.fixed = v;
    const uid_t uid = ::getuid();
    f.runtime = "/run/user/" + std::to_string(uid);
    f.shared = "/tmp";
    if (const passwd* pw = ::getpwuid(uid); pw && pw->pw_dir && *pw->pw_dir) f.home = pw->pw_dir;
    return f;
}

// Every instance holds a shared lock on <name>.lock for its whole life; a
// probe for an exclusive lock tells whether anybody else holds it. The probe
// and the change to the shared lock happen under a second, exclusive gate lock
// so that two instances starting at the same moment cannot both miss each other.
//
// Which of the folders can be used may change between two starts (the runtime
// folder appears with the login; another user takes or frees the name in
// /tmp), so a start joins the lock in every folder it can use: two starts
// that share any one of them see each other. Only one gate is held at a time,
// so starts that wait on each other's gates cannot wait for ever.
InstanceLock::InstanceLock(const std::string& name, const LockFolders& folders) {
    const auto uid = std::to_string(::getuid());
    const std::string stem = name + "." + uid;
    std::vector<std::filesystem::path> usable;
    if (!folders.fixed.empty()) {
        usable.push_back(folders.fixed);
    } else {
        if (isPrivateFolder(folders.runtime)) usable.push_back(folders.runtime);
        const std::filesystem::path made[] = {
            folders.shared.empty() ? folders.shared : folders.shared / ("koktd-" + uid),
            folders.home.empty() ? folders.home : folders.home / ".koktd"};
        for (const auto& dir : made)
            if (!dir.empty() && makePrivateFolder(dir)) usable.push_back(dir);
    }
    bool othersSeen = false;
    for (const auto& dir : usable) {
        int gate = -1, lock = -1;
        if (!openLockFiles(dir, stem, gate, lock)) continue;
        ::flock(gate, LOCK_EX);
        othersSeen = ::flock(lock, LOCK_EX | LOCK_NB) != 0 || othersSeen;
        ::flock(lock, LOCK_SH);
        ::flock(gate, LOCK_UN);
        ::close(gate);
        if (fds_.empty()) folder_ = dir;
        fds_.push_back(lock);
    }
    if (fds_.empty()) {
        std::fputs("koktd: no private folder for the single-instance lock\n", stderr);
        return; // counts as another instance running
    }
    otherRunning_ = othersSeen;
}

InstanceLock::~InstanceLock() {
    // Like the named mutex, the lock is held until the process ends; closing
    // it here would let a later plain start slip in while this one exits.
    (void)fds_;
}

} // namespace kok::platform
