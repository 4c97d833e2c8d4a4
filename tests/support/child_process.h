// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kok::test {

struct ChildLimits {
    bool unprivileged = false; // drop to user "nobody" when running as root
    long maxFileBytes = -1;    // RLIMIT_FSIZE: simulates a disk that fills up
};

// Runs `body` in a forked child under the given limits; true when it returned true.
inline bool runInChild(const ChildLimits& limits, const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (limits.maxFileBytes >= 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{static_cast<rlim_t>(limits.maxFileBytes),
                      static_cast<rlim_t>(limits.maxFileBytes)};
            ::setrlimit(RLIMIT_FSIZE, &rl);
        }
        if (limits.unprivileged && ::geteuid() == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kok::test
