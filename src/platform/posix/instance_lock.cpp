#include "platform/instance_lock.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kok::platform {
namespace {

// A folder only we can enter: created 0700 if missing, and then taken only if
// it is a real folder (not a link), ours, and closed to everybody else. In a
// shared folder like /tmp another user could have made the name first, to
// hold the lock against us or to see it.
std::optional<std::filesystem::path> privateFolder(const std::filesystem::path& dir) {
    if (::mkdir(dir.c_str(), 0700) == 0) ::chmod(dir.c_str(), 0700); // whatever the umask
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 07777) != 0700)
        return std::nullopt;
    return dir;
}

// The lock files live in the user's runtime folder, so each user has their own
// instance. KOKTD_LOCK_DIR moves them (tests run beside a user's own clock).
// Without a runtime folder, a folder of our own in /tmp; when somebody else
// took that name, one in the home folder, which nobody else can take.
std::optional<std::filesystem::path> lockDir() {
    for (const char* var : {"KOKTD_LOCK_DIR", "XDG_RUNTIME_DIR"})
        if (const char* v = std::getenv(var); v && *v) return v;
    const auto uid = std::to_string(::getuid());
    if (auto dir = privateFolder(std::filesystem::temp_directory_path() / ("koktd-" + uid)))
        return dir;
    if (const char* home = std::getenv("HOME"); home && *home)
        return privateFolder(std::filesystem::path(home) / ".koktd");
    return std::nullopt;
}

int openLockFile(const std::filesystem::path& p) {
    return ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

} // namespace

// Every instance holds a shared lock on <name>.lock for its whole life; a
// probe for an exclusive lock tells whether anybody else holds it. The probe
// and the change to the shared lock happen under a second, exclusive gate lock
// so that two instances starting at the same moment cannot both miss each other.
InstanceLock::InstanceLock(const std::string& name) {
    const auto dir = lockDir();
    if (!dir) {
        std::fputs("koktd: no private folder for the single-instance lock\n", stderr);
        return; // counts as another instance running
    }
    const auto uid = std::to_string(::getuid());
    const int gate = openLockFile(*dir / (name + "." + uid + ".gate"));
    fd_ = openLockFile(*dir / (name + "." + uid + ".lock"));
    if (gate < 0 || fd_ < 0) {
        if (gate >= 0) ::close(gate);
        return; // cannot be created: counts as another instance running
    }
    ::flock(gate, LOCK_EX);
    otherRunning_ = ::flock(fd_, LOCK_EX | LOCK_NB) != 0;
    ::flock(fd_, LOCK_SH);
    ::flock(gate, LOCK_UN);
    ::close(gate);
}

InstanceLock::~InstanceLock() {
    // Like the named mutex, the lock is held until the process ends; closing
    // it here would let a later plain start slip in while this one exits.
    (void)fd_;
}

} // namespace kok::platform
