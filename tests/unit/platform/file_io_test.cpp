// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/file_io.h"
#include "platform/sound_file.h"
#include "settings/ini_file.h"
#include "signals/wave_playback.h"
#include "skin/picture_limits.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::test::TempDir;

namespace {

// Runs `refuses` in a child process, so that a read that never ends cannot
// stop the test: true when it returns true within ten seconds (a busy
// machine's fork and start may take a while; a read that hangs never ends).
bool refusedWithinASecond(const std::function<bool()>& refuses) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(refuses() ? 0 : 1);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return false;
}

// An INI file that cannot be read reads as defaults and is never replaced.
bool iniRefused(const fs::path& file) {
    const kok::settings::IniFile ini(file);
    if (ini.readInteger("kOk:TD", "PosY", 7) != 7) return false;
    try {
        kok::settings::IniFile(file).writeInteger("kOk:TD", "PosY", 1);
    } catch (const kok::platform::WriteError&) {
        return true;
    }
    return false;
}

} // namespace

// A pipe, a link to /dev/zero or a file past its kind's cap in place of any
// file the program reads is refused at once; the program goes on.
TEST(FileIo, SpecialAndOversizedFilesAreRefusedAtOnce) {
    using Reader = std::function<bool(const fs::path&)>;
    const struct {
        const char* name;
        std::size_t cap;
        Reader refuses;
    } kinds[] = {
        {"kOkTD.KiF", kok::platform::kMaxTextFileBytes, iniRefused},
        {"kOkTD.timer", kok::platform::kMaxTextFileBytes, iniRefused},
        {"kOkTD.tmp", kok::platform::kMaxTextFileBytes, iniRefused},
        {"skin.ksf", kok::platform::kMaxTextFileBytes,
         [](const fs::path& f) { return !kok::platform::readWholeFile(f); }},
        {"face.bmp", kok::skin::kMaxPictureFileBytes,
         [](const fs::path& f) {
             return !kok::platform::readWholeFile(f, kok::skin::kMaxPictureFileBytes);
         }},
        {"alarm.wav", kok::platform::kMaxSoundFileBytes,
         [](const fs::path& f) { return kok::signal::loadWave(f.string()) == nullptr; }},
    };
    using Plant = std::function<void(const fs::path&, std::size_t cap)>;
    const struct {
        const char* name;
        Plant plant;
    } specials[] = {
        {"pipe", [](const fs::path& f, std::size_t) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
        {"link to /dev/zero",
         [](const fs::path& f, std::size_t) { fs::create_symlink("/dev/zero", f); }},
        {"folder", [](const fs::path& f, std::size_t) { fs::create_directory(f); }},
        {"one byte past the cap",
         [](const fs::path& f, std::size_t cap) {
             kok::test::writeBytes(f, "");
             fs::resize_file(f, cap + 1); // sparse: costs no disk
         }},
    };
    for (const auto& kind : kinds)
        for (const auto& special : specials) {
            SCOPED_TRACE(std::string(kind.name) + " as a " + special.name);
            TempDir dir;
            const fs::path file = dir / kind.name;
            special.plant(file, kind.cap);
            EXPECT_TRUE(refusedWithinASecond([&] { return kind.refuses(file); }));
            EXPECT_TRUE(fs::symlink_status(file).type() != fs::file_type::regular ||
                        fs::file_size(file) == kind.cap + 1)
                << "the file in the way was replaced";
        }

    TempDir dir;
    kok::test::writeBytes(dir / "kOkTD.KiF", "[kOk:TD]\r\nPosY=3\r\n");
    EXPECT_EQ(kok::platform::readWholeFile(dir / "kOkTD.KiF"), "[kOk:TD]\r\nPosY=3\r\n");
}

// Replacing a file through a link as root leaves it with its owner, group
// and mode, so that the user can still write it.
TEST(FileIo, ReplacedFileKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    TempDir dir;
    const fs::path target = dir / "kOkTD.KiF", link = dir / "link";
    kok::test::writeBytes(target, "old");
    ASSERT_EQ(::chown(target.c_str(), 65534, 65533), 0);
    ASSERT_EQ(::chmod(target.c_str(), 02664), 0);
    fs::create_symlink(target, link);

    kok::platform::writeFileAtomically(link, "new");

    struct stat st {};
    ASSERT_EQ(::lstat(target.c_str(), &st), 0);
    EXPECT_EQ(kok::test::readBytes(target), "new");
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65533u);
    EXPECT_EQ(st.st_mode & 07777, 02664u);
    EXPECT_TRUE(fs::is_symlink(link));
}
