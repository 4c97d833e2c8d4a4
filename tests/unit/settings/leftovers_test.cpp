// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "settings/keys.h"
#include "settings/leftovers.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::test::TempDir;

namespace {

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

// A writer killed in the middle of a write, as by a power loss: the file
// size limit stops it with SIGXFSZ after the first bytes.
void crashWhileWriting(const fs::path& file) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit noCore{0, 0}, tiny{16, 16};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        kok::platform::writeFileAtomically(file, std::string(4096, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
}

} // namespace

TEST(Leftovers, OnlyTheProgramsOwnTemporaryFilesAreRemoved) {
    TempDir dir;
    crashWhileWriting(dir / std::string(kok::settings::kSettingsFileName));
    ASSERT_EQ(namesIn(dir.path()).size(), 1u) << "the crashed write left its temporary file";
    const char* ours[] = {
        ".kOkTD.tmp.a1B2c3", ".kOkTD.timer.000000", ".mask.tmp.ZzZzZz", ".kOkTD.ksf.Q9w8E7",
        "mask.tmp",          "kOkTD.ksf",           "kOkTD.tmp"};
    const std::set<std::string> others = {
        "kOkTD.KiF",          ".kOkTD.KiF.bak",    "kOkTD.KiF.a1B2c3",  ".kOkTD.KiF.a1B2c",
        ".kOkTD.KiF.a1B2c3d", ".kokTD.kif.a1B2c3", ".kOkTD.KiF.a1-2c3", ".notes.txt.a1B2c3",
        ".kOkTD.KiF.a1B2c3~", ".kOkTD.KiF.dir123", ".kOkTD.tmp.link12", "Mask.tmp",
        "kOkTD.ksf~"};
    for (const char* name : ours)
        kok::test::writeBytes(dir / name, "x");
    for (const std::string& name : others)
        if (name != ".kOkTD.KiF.dir123" && name != ".kOkTD.tmp.link12")
            kok::test::writeBytes(dir / name, "mine");
    fs::create_directory(dir / ".kOkTD.KiF.dir123");
    fs::create_symlink(dir / "kOkTD.KiF", dir / ".kOkTD.tmp.link12");

    EXPECT_EQ(kok::settings::removeOwnLeftovers(dir.path()), 8);
    EXPECT_EQ(namesIn(dir.path()), others);
    EXPECT_EQ(kok::settings::removeOwnLeftovers(dir / "missing"), 0);
}
