// SPDX-License-Identifier: GPL-3.0-or-later
#include <glib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "settings/autostart.h"
#include "settings/cp1251.h"
#include "settings/ini_file.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::platform::XdgAutostartStore;
using kok::settings::autostartEntryExists;
using kok::settings::setAutostartEntry;
using kok::test::TempDir;

TEST(Autostart, TickingWritesADesktopEntryThatStartsTheClockWithAutorun) {
    TempDir dir;
    XdgAutostartStore store(dir / "autostart");
    const fs::path exe = "/opt/my clocks/koktd";
    EXPECT_EQ(autostartEntryExists(store), false);

    ASSERT_TRUE(setAutostartEntry(store, true, exe));
    EXPECT_EQ(autostartEntryExists(store), true);
    EXPECT_EQ(store.read("kOk DIAL TD"), "\"/opt/my clocks/koktd\" /autorun");
    const std::string entry = kok::test::readBytes(dir / "autostart" / "kOk DIAL TD.desktop");
    EXPECT_NE(entry.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=\"/opt/my clocks/koktd\" /autorun\n"), std::string::npos);

    // Moving the program and ticking again rewrites the entry with the new path.
    ASSERT_TRUE(setAutostartEntry(store, true, "/home/u/koktd"));
    EXPECT_EQ(store.read("kOk DIAL TD"), "\"/home/u/koktd\" /autorun");

    ASSERT_TRUE(setAutostartEntry(store, false, exe));
    EXPECT_EQ(autostartEntryExists(store), false);
    EXPECT_TRUE(setAutostartEntry(store, false, exe)) << "clearing a missing entry does nothing";
}

TEST(Autostart, PathsWithShellCharactersSurviveTheDesktopEntryQuoting) {
    const std::string cmd = "\"/tmp/a$b`c\\d 100%\" /autorun";
    const std::string exec = kok::platform::desktopExecEscape(cmd);
    EXPECT_EQ(exec, "\"/tmp/a\\\\$b\\\\`c\\\\\\\\d 100%%\" /autorun");
    EXPECT_EQ(kok::platform::desktopExecUnescape(exec), cmd);
}

// What a GLib desktop reads from the entry: the Exec value as a string, split
// as a command line, with "%%" as a plain percent. Nothing when GLib refuses.
std::optional<std::vector<std::string>> argvGlibReads(const fs::path& entry) {
    GKeyFile* file = g_key_file_new();
    std::optional<std::vector<std::string>> argv;
    if (g_key_file_load_from_file(file, entry.c_str(), G_KEY_FILE_NONE, nullptr)) {
        gchar* exec = g_key_file_get_string(file, "Desktop Entry", "Exec", nullptr);
        gchar** words = nullptr;
        if (exec && g_shell_parse_argv(exec, nullptr, &words, nullptr)) {
            argv.emplace();
            for (gchar** w = words; *w; ++w) {
                std::string word = *w;
                for (std::size_t at = 0; (at = word.find("%%", at)) != std::string::npos; ++at)
                    word.erase(at, 1);
                argv->push_back(word);
            }
            g_strfreev(words);
        }
        g_free(exec);
    }
    g_key_file_free(file);
    return argv;
}

// A string value of the entry as GLib reads it; nothing when it is missing.
std::optional<std::string> valueGlibReads(const fs::path& entry, const char* key) {
    GKeyFile* file = g_key_file_new();
    std::optional<std::string> value;
    if (g_key_file_load_from_file(file, entry.c_str(), G_KEY_FILE_NONE, nullptr))
        if (gchar* v = g_key_file_get_string(file, "Desktop Entry", key, nullptr)) {
            value = v;
            g_free(v);
        }
    g_key_file_free(file);
    return value;
}

// Every character a folder may hold reaches the desktop as part of the
// program's path, whatever the Exec line must escape for it; so does the
// TryExec path, by which a desktop skips the entry of a removed program, and
// the entry carries the program's icon.
TEST(Autostart, GlibStartsTheProgramFromAFolderWithAnyReservedCharacter) {
    const char* folders[] = {
        "/opt/a\"b",       "/opt/my clocks", "/tmp/$HOME`id`", "/tmp/back\\slash\\", "/tmp/100%",
        "/tmp/it's (new)", "/tmp/#~;&|<>*?", "/tmp/tab\there", "/tmp/new\nline",     "/tmp/\"\\\"",
    };
    for (const char* folder : folders) {
        TempDir dir;
        XdgAutostartStore store(dir / "autostart");
        const fs::path exe = fs::path(folder) / "koktd";
        ASSERT_TRUE(setAutostartEntry(store, true, exe));
        const auto argv = argvGlibReads(store.entryPath("kOk DIAL TD"));
        ASSERT_TRUE(argv) << folder << ": GLib refuses the entry";
        EXPECT_EQ(*argv, (std::vector<std::string>{exe.string(), "/autorun"})) << folder;
        const fs::path entry = store.entryPath("kOk DIAL TD");
        EXPECT_EQ(valueGlibReads(entry, "TryExec"), exe.string()) << folder;
        EXPECT_EQ(valueGlibReads(entry, "Icon"), "org.example.koktd") << folder;
        EXPECT_EQ(store.read("kOk DIAL TD"), kok::settings::autostartCommandLine(exe)) << folder;
        EXPECT_EQ(kok::platform::splitCommandLine(store.read("kOk DIAL TD")).front(), exe.string());
    }
}

TEST(Autostart, AStoreThatRefusesWritesIsReportedWithoutThrowing) {
    TempDir dir;
    kok::test::writeBytes(dir / "autostart", "a file where the folder should be");
    XdgAutostartStore store(dir / "autostart");
    EXPECT_FALSE(setAutostartEntry(store, true, "/usr/bin/koktd"));
    EXPECT_EQ(autostartEntryExists(store), std::nullopt) << "unknown, not absent";
}

TEST(SkinFamily, OnlyTheExactNinetyFiveFamilyNamesSelectIt) {
    EXPECT_FALSE(kok::settings::isXpFamilyVersion("Windows 98"));
    EXPECT_FALSE(kok::settings::isXpFamilyVersion("Windows 95"));
    EXPECT_FALSE(kok::settings::isXpFamilyVersion("Windows Millennium Edition"));
    EXPECT_TRUE(kok::settings::isXpFamilyVersion("Windows 98 SE"));
    EXPECT_TRUE(kok::settings::isXpFamilyVersion("windows 98"));
    EXPECT_TRUE(kok::settings::isXpFamilyVersion(""));
    EXPECT_TRUE(kok::settings::isXpFamilyVersion("6.1"));
}

TEST(SkinFamily, TheVersionStoreInTheUserConfigFolderChoosesTheFamily) {
    TempDir dir;
    EXPECT_TRUE(kok::test::runInChild({}, [&] {
        ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        if (!kok::settings::IsXpFamily()) return false; // no store: the NT family
        kok::settings::IniFile store(kok::settings::versionStorePath());
        fs::create_directories(store.path().parent_path());
        store.writeString(kok::settings::kVersionSection, kok::settings::kVersionKey, "Windows 98");
        if (kok::settings::IsXpFamily()) return false;
        store.writeString(kok::settings::kVersionSection, kok::settings::kVersionKey, "Windows XP");
        return kok::settings::IsXpFamily();
    }));
}

TEST(Cp1251, RoundTripsEveryAssignedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) all += static_cast<char>(b);
    EXPECT_EQ(kok::settings::utf8ToCp1251(kok::settings::cp1251ToUtf8(all)), all);
    EXPECT_EQ(kok::settings::utf8ToCp1251("中"), "?");
    EXPECT_EQ(kok::settings::utf8ToCp1251("\xFF"), "?") << "broken UTF-8 is replaced, not dropped";
}
