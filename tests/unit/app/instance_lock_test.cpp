// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/instance_lock.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::platform::InstanceLock;
using kok::test::TempDir;

namespace {

// Sets variables for one test and puts the old values back.
class Env {
  public:
    void set(const char* name, const char* value) {
        if (const char* old = std::getenv(name))
            saved_.emplace_back(name, old);
        else
            saved_.emplace_back(name, std::nullopt);
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~Env() {
        // Newest first, so that a variable set twice gets its first value back.
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? ::setenv(it->first, it->second->c_str(), 1) : ::unsetenv(it->first);
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

} // namespace

// Without the user's runtime folder the lock goes to /tmp/koktd-<uid>, unless somebody
// else got that name first: then to ~/.koktd, and if that is not ours either,
// the lock is refused rather than kept where others can reach it.
TEST(InstanceLock, FallbackFolderIsOursAloneOrNotUsed) {
    using Plant = std::function<void(const fs::path& name, const fs::path& decoy)>;
    const Plant nothing = [](const fs::path&, const fs::path&) {};
    const Plant link = [](const fs::path& n, const fs::path& decoy) {
        fs::create_symlink(decoy, n);
    };
    const Plant othersFolder = [](const fs::path& n, const fs::path&) {
        fs::create_directory(n);
        fs::permissions(n, fs::perms::owner_all);
        ASSERT_EQ(::chown(n.c_str(), 65534, 65534), 0);
    };
    const Plant openFolder = [](const fs::path& n, const fs::path&) {
        fs::create_directory(n);
        fs::permissions(n, fs::perms::all);
    };
    const Plant file = [](const fs::path& n, const fs::path&) { kok::test::writeBytes(n, ""); };
    struct Case {
        const char* name;
        Plant inTmp, inHome;
        const char* expected; // "tmp", "home" or nullptr: refused
    };
    const Case cases[] = {
        {"free name", nothing, nothing, "tmp"},
        {"link in /tmp", link, nothing, "home"},
        {"other user's folder", othersFolder, nothing, "home"},
        {"folder open to all", openFolder, nothing, "home"},
        {"file", file, nothing, "home"},
        {"both taken", othersFolder, link, nullptr},
    };
    const std::string uid = std::to_string(::getuid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir tmp, home, decoy;
        fs::permissions(decoy.path(), fs::perms::owner_all);
        const kok::platform::LockFolders folders{
            .fixed = {}, .runtime = tmp / "no-runtime", .shared = tmp.path(), .home = home.path()};
        const fs::path inTmp = tmp / ("koktd-" + uid), inHome = home / ".koktd";
        c.inTmp(inTmp, decoy.path());
        c.inHome(inHome, decoy.path());

        const InstanceLock first("koktd-test", folders);
        const InstanceLock second("koktd-test", folders);
        EXPECT_EQ(first.otherRunning(), c.expected == nullptr);
        EXPECT_TRUE(second.otherRunning());
        EXPECT_TRUE(fs::is_empty(decoy.path())) << "lock put where somebody else can reach it";
        if (!c.expected) continue;
        const fs::path dir = std::string(c.expected) == "tmp" ? inTmp : inHome;
        struct stat st {};
        ASSERT_EQ(::lstat(dir.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_TRUE(fs::exists(dir / ("koktd-test." + uid + ".lock")));
    }
}

// XDG_RUNTIME_DIR plays no part: a clock started without it (after su), or
// with it pointing nowhere or at somebody else's folder, starts when alone and
// meets a clock started at login with it set. One clock each time.
TEST(InstanceLock, OnePlacePerUserWhateverTheRuntimeVariableSays) {
    TempDir loginRuntime, others;
    fs::permissions(loginRuntime.path(), fs::perms::owner_all);
    fs::path othersFolder = "/";
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(others.path().c_str(), 65534, 65534), 0);
        othersFolder = others.path();
    }
    const struct {
        const char* name;
        std::optional<fs::path> runtime;
    } cases[] = {{"unset", std::nullopt},
                 {"pointing nowhere", fs::path("/nonexistent/koktd")},
                 {"another user's folder", othersFolder}};
    const std::string uid = std::to_string(::getuid());
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name =
            "koktd-xdg-test-" + std::to_string(::getpid()) + "-" + std::to_string(++n);
        Env env;
        env.set("KOKTD_LOCK_DIR", nullptr);
        env.set("XDG_RUNTIME_DIR", c.runtime ? c.runtime->c_str() : nullptr);
        const InstanceLock alone(name);
        EXPECT_FALSE(alone.otherRunning()) << "a clock started alone is refused";
        env.set("XDG_RUNTIME_DIR", loginRuntime.path().c_str());
        const InstanceLock atLogin(name);
        EXPECT_TRUE(atLogin.otherRunning()) << "a second clock runs beside the first";
        const kok::platform::LockFolders user = kok::platform::userLockFolders();
        std::error_code ec;
        for (const fs::path& dir :
             {user.runtime, user.shared / ("koktd-" + uid), user.home / ".koktd"})
            for (const char* ext : {".lock", ".gate"})
                fs::remove(dir / (name + "." + uid + ext), ec);
    }
}

// Which folders can hold the lock changes between two starts: the runtime
// folder appears with the login or goes with the logout, another user frees
// or takes the name in /tmp. The second clock still sees the first.
TEST(InstanceLock, SecondClockSeesTheFirstWhenTheUsableFoldersChange) {
    using Step = std::function<void(const fs::path& runtime, const fs::path& inTmp)>;
    const Step none = [](const fs::path&, const fs::path&) {};
    const Step makeRuntime = [](const fs::path& runtime, const fs::path&) {
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    };
    const Step dropRuntime = [](const fs::path& runtime, const fs::path&) {
        fs::remove_all(runtime);
    };
    const Step takeTmpName = [](const fs::path&, const fs::path& inTmp) {
        kok::test::writeBytes(inTmp, "somebody else's");
    };
    const Step freeTmpName = [](const fs::path&, const fs::path& inTmp) { fs::remove(inTmp); };
    const Step dropTmpFolder = [](const fs::path&, const fs::path& inTmp) {
        fs::remove_all(inTmp);
    };
    const struct {
        const char* what;
        Step beforeFirst, beforeSecond;
    } cases[] = {
        {"runtime folder appears after the first start", none, makeRuntime},
        {"runtime folder goes away", makeRuntime, dropRuntime},
        {"the name in /tmp is freed by another user", takeTmpName, freeTmpName},
        {"the folder in /tmp is removed by a cleaner", none, dropTmpFolder},
    };
    const std::string uid = std::to_string(::getuid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir tmp, home, runtimeParent;
        const kok::platform::LockFolders folders{.fixed = {},
                                                 .runtime = runtimeParent / "run",
                                                 .shared = tmp.path(),
                                                 .home = home.path()};
        const fs::path inTmp = tmp / ("koktd-" + uid);
        c.beforeFirst(folders.runtime, inTmp);
        const InstanceLock first("koktd-chain", folders);
        EXPECT_FALSE(first.otherRunning());
        c.beforeSecond(folders.runtime, inTmp);
        const InstanceLock second("koktd-chain", folders);
        EXPECT_TRUE(second.otherRunning()) << "two clocks run";
    }
}
