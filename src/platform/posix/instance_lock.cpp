#include "platform/instance_lock.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace kok::platform {
namespace {

// The lock files live in the user's runtime folder, so each user has their own
// instance. KOKTD_LOCK_DIR moves them (tests run beside a user's own clock).
std::filesystem::path lockDir() {
    for (const char* var : {"KOKTD_LOCK_DIR", "XDG_RUNTIME_DIR"})
        if (const char* v = std::getenv(var); v && *v) return v;
    return std::filesystem::temp_directory_path();
}

int openLockFile(const std::filesystem::path& p) {
    return ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

} // namespace

// Every instance holds a shared lock on <name>.lock for its whole life; a
// probe for an exclusive lock tells whether anybody else holds it. The probe
// and the change to the shared lock happen under a second, exclusive gate lock
// so that two instances starting at the same moment cannot both miss each other.
InstanceLock::InstanceLock(const std::string& name) {
    const auto uid = std::to_string(::getuid());
    const auto dir = lockDir();
    const int gate = openLockFile(dir / (name + "." + uid + ".gate"));
    fd_ = openLockFile(dir / (name + "." + uid + ".lock"));
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
