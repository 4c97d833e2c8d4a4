// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/alarm_working_copy.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

using kok::settings::IniFile;
using kok::settings::IniUpdate;
using kok::settings::WriteError;
using kok::test::readBytes;
using kok::test::TempDir;
using kok::test::writeBytes;
namespace fs = std::filesystem;
namespace keys = kok::settings;

TEST(IniFile, MissingFileReadsAsEmptyAndFirstWriteCreatesIt) {
    TempDir dir;
    IniFile ini(dir / "kOkTD.KiF");
    EXPECT_EQ(ini.readInteger("kOk:TD", "PosX", -3), -3);
    EXPECT_EQ(ini.readString("kOk:TD", "File", "dflt"), "dflt");
    EXPECT_FALSE(fs::exists(ini.path()));

    ini.writeInteger("kOk:TD", "PosX", -12);
    ini.writeFlag("kOk:TD", "Magnet", false);
    EXPECT_EQ(readBytes(ini.path()), "[kOk:TD]\r\nPosX=-12\r\nMagnet=0\r\n");
    EXPECT_EQ(ini.readInteger("kOk:TD", "PosX", 0), -12);
    EXPECT_FALSE(ini.readFlag("kOk:TD", "Magnet", true));
}

TEST(IniFile, ReplacesInPlaceAndLeavesCommentsAndBlankLines) {
    TempDir dir;
    const std::string before = ";kOk DIAL TD\r\n\r\n[kOk:TD]\r\n; where the clock stands\r\n"
                               "PosX=100\r\nPosY=0\r\n\r\n\r\n[kOk:TD:Hour]\r\nUse=0\r\n";
    writeBytes(dir / "s.ini", before);
    IniFile ini(dir / "s.ini");
    ini.writeInteger("kOk:TD", "PosX", 640);
    EXPECT_EQ(readBytes(ini.path()), ";kOk DIAL TD\r\n\r\n[kOk:TD]\r\n; where the clock stands\r\n"
                                     "PosX=640\r\nPosY=0\r\n\r\n\r\n[kOk:TD:Hour]\r\nUse=0\r\n");
    ini.writeInteger("kOk:TD:Hour", "Voice", 1);
    EXPECT_EQ(readBytes(ini.path()), ";kOk DIAL TD\r\n\r\n[kOk:TD]\r\n; where the clock stands\r\n"
                                     "PosX=640\r\nPosY=0\r\n\r\n\r\n[kOk:TD:Hour]\r\nUse=0\r\n"
                                     "Voice=1\r\n");
}

TEST(IniFile, RussianTextIsWindows1251OnDiskAndUtf8InMemory) {
    TempDir dir;
    IniFile ini(dir / "s.ini");
    ini.writeString(keys::alarms::kName, "0_Message", keys::alarms::dialog::kMessage);
    ini.writeString(keys::timer::kName, keys::timer::kMessage, keys::timer::dialog::kMessage);
    ini.writeString(keys::alarms::kName, "1_Message", "Ёлка ёлка №1 — «ок»");

    const std::string bytes = readBytes(ini.path());
    // "ПРИВЕТ!" in Windows-1251, then ten blanks.
    EXPECT_NE(bytes.find("0_Message=\xCF\xD0\xC8\xC2\xC5\xD2!          [ "), std::string::npos);
    EXPECT_NE(
        bytes.find("1_Message=\xA8\xEB\xEA\xE0 \xB8\xEB\xEA\xE0 \xB9\x31 \x97 \xAB\xEE\xEA\xBB"),
        std::string::npos);
    EXPECT_EQ(bytes.find("\xD0\x9F"), std::string::npos) << "UTF-8 leaked into the file";

    EXPECT_EQ(ini.readString(keys::alarms::kName, "0_Message", ""), keys::alarms::dialog::kMessage);
    EXPECT_EQ(ini.readString(keys::timer::kName, keys::timer::kMessage, ""),
              keys::timer::dialog::kMessage);
    EXPECT_EQ(ini.readString(keys::alarms::kName, "1_Message", ""), "Ёлка ёлка №1 — «ок»");
    // Russian section names are found without regard to case too.
    ini.writeInteger("Часы", "Ключ", 5);
    EXPECT_EQ(ini.readInteger("ЧАСЫ", "КЛЮЧ", 0), 5);
}

// Every byte 0x80..0xFF of a value the user did not change, 0x98 (which the
// code page leaves unassigned, and the second byte of a hand-typed UTF-8 "И")
// included, comes back as it was after the dialog loads the alarms into its
// working copy and OK copies them back.
TEST(IniFile, UnchangedValuesKeepEveryHighByteThroughLoadAndOk) {
    TempDir dir;
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += static_cast<char>(b);
    const std::string line = "0_Message=" + high + "\r\n";
    writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Alarms]\r\n" + line + "1_App=\xD0\x98\r\n");
    IniFile settings(dir / "kOkTD.KiF"), workingCopy(dir / "kOkTD.tmp");
    const auto ok = [&] {
        workingCopy.update(
            [&](IniUpdate& to) { kok::dialog::copyAlarmSlots(settings.snapshot(), to, "01.01"); });
        settings.update([&](IniUpdate& to) {
            kok::dialog::copyAlarmSlots(workingCopy.snapshot(), to, "01.01");
        });
    };
    ok();
    const std::string once = readBytes(settings.path());
    EXPECT_NE(once.find("\r\n" + line), std::string::npos) << "a high byte changed";
    EXPECT_NE(once.find("\r\n1_App=\xD0\x98\r\n"), std::string::npos);
    ok();
    EXPECT_EQ(readBytes(settings.path()), once);
}

TEST(IniFile, LongTextsAreCutTo1023Characters) {
    TempDir dir;
    IniFile ini(dir / "s.ini");
    std::string longText;
    for (int i = 0; i < 1500; ++i)
        longText += i % 2 ? "ж" : "z";
    ini.writeString("s", "k", longText);
    const std::string back = ini.readString("s", "k", "");
    // 1023 characters: 512 'z' and 511 'ж' (two bytes each in UTF-8).
    EXPECT_EQ(back.size(), 512u + 511u * 2u);
    EXPECT_EQ(back, longText.substr(0, back.size()));
    EXPECT_EQ(ini.readString("s", "missing", std::string(2000, 'd')).size(), 1023u);
}

TEST(IniFile, NumbersHexAndGarbageFallBackToTheDefault) {
    TempDir dir;
    writeBytes(dir / "s.ini", "[n]\r\nhex=0x10\r\nHEX2=0XFF\r\nword=abc\r\nempty=\r\nneg=-5\r\n");
    const IniFile ini(dir / "s.ini");
    EXPECT_EQ(ini.readInteger("n", "hex", 0), 16);
    EXPECT_EQ(ini.readInteger("n", "hex2", 0), 255);
    EXPECT_EQ(ini.readInteger("n", "word", 77), 77);
    EXPECT_EQ(ini.readInteger("n", "empty", 78), 78);
    EXPECT_EQ(ini.readInteger("n", "neg", 0), -5);
    EXPECT_TRUE(ini.readFlag("n", "hex", false));
}

TEST(IniFile, OtherWritersAreSeenAtTheNextRead) {
    TempDir dir;
    IniFile a(dir / "s.ini");
    const IniFile b(dir / "s.ini");
    a.writeInteger("s", "k", 1);
    EXPECT_EQ(b.readInteger("s", "k", 0), 1);
    writeBytes(dir / "s.ini", "[s]\r\nk=2\r\n");
    EXPECT_EQ(b.readInteger("s", "k", 0), 2);
}

TEST(IniFile, ReadOnlyFileIsNotWrittenEvenByRoot) {
    TempDir dir;
    const std::string before = "[kOk:TD]\r\nPosX=1\r\n";
    writeBytes(dir / "ro.ini", before);
    fs::permissions(dir / "ro.ini", fs::perms::owner_read | fs::perms::group_read);
    IniFile ini(dir / "ro.ini");
    EXPECT_THROW(ini.writeInteger("kOk:TD", "PosX", 2), WriteError);
    EXPECT_EQ(readBytes(dir / "ro.ini"), before);
    EXPECT_EQ(ini.readInteger("kOk:TD", "PosX", 0), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST(IniFile, ReadOnlyFolderAndFullDiskReportFailureAndKeepTheOldFile) {
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::add);
    const std::string before = "[kOk:TD]\r\nPosX=1\r\nPosY=2\r\n";
    const fs::path folder = dir / "rodir";
    fs::create_directory(folder);
    writeBytes(folder / "s.ini", before);
    fs::permissions(folder / "s.ini", fs::perms::all, fs::perm_options::add);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);

    // A folder the user cannot write to (as an unprivileged user when we are root).
    EXPECT_TRUE(kok::test::runInChild(kok::test::ChildLimits{.unprivileged = true}, [&] {
        IniFile ini(folder / "s.ini");
        try {
            ini.writeInteger("kOk:TD", "PosX", 2);
        } catch (const WriteError&) {
            return true;
        }
        return false;
    }));
    EXPECT_EQ(readBytes(folder / "s.ini"), before);

    // A full disk: the file size limit stops the temporary file half-way.
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_TRUE(kok::test::runInChild(kok::test::ChildLimits{.maxFileBytes = 16}, [&] {
        IniFile ini(folder / "s.ini");
        try {
            ini.writeString("kOk:TD", "Long", std::string(200, 'x'));
        } catch (const WriteError&) {
            return true;
        }
        return false;
    }));
    EXPECT_EQ(readBytes(folder / "s.ini"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

namespace {

// A Settings file as the program leaves it, with a comment the user added.
const std::string kSettings = ";kOk DIAL TD\r\n[kOk:TD]\r\nPosX=100\r\nPosY=0\r\nMagnet=1\r\n"
                              "\r\n[kOk:TD:Hour]\r\n; chimes\r\nUse=0\r\nFile=\"hour.wav\"\r\n";

// Several edits of every kind: replaced, added to a section, new section,
// Russian text, a line break that must turn into blanks, quotes kept. Both
// IniFile (one write each) and IniUpdate (all in memory) take them.
template <class Writer> void manyEdits(Writer& w) {
    w.writeInteger("kOk:TD", "PosX", -640);
    w.writeFlag("kOk:TD", "Magnet", false);
    w.writeString("kOk:TD:Hour", "File", "\"my chime.wav\"");
    w.writeInteger("kOk:TD:Hour", "Voice", 1);
    w.writeString("Будильник", "0_Message", "Подъём!\r\nПора");
    w.writeString("kOk:TD", "Long", std::string(300, 'x'));
}
const auto kManyEdits = manyEdits<IniUpdate>;

// Temporary files are named after the file with a leading dot.
bool hasTempFile(const fs::path& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().starts_with(".")) return true;
    return false;
}

} // namespace

TEST(IniFile, UpdateWritesExactlyWhatTheSingleWritesWouldAndReadsItsOwnEdits) {
    TempDir dir;
    writeBytes(dir / "single.ini", kSettings);
    writeBytes(dir / "update.ini", kSettings);
    IniFile single(dir / "single.ini");
    IniFile updated(dir / "update.ini");
    manyEdits(single);
    updated.update(kManyEdits);
    EXPECT_EQ(readBytes(updated.path()), readBytes(single.path()));
    EXPECT_EQ(updated.readString("Будильник", "0_Message", ""), "Подъём!  Пора");
    EXPECT_EQ(updated.readString("kOk:TD:Hour", "File", ""), "\"my chime.wav\"");

    // Reads inside an update see the pending edits, not the file.
    updated.update([](IniUpdate& u) {
        for (int i = 0; i < 3; ++i)
            u.writeInteger("kOk:TD", "PosY", u.readInteger("kOk:TD", "PosY", 0) + 10);
    });
    EXPECT_EQ(updated.readInteger("kOk:TD", "PosY", 0), 30);
}

TEST(IniFile, FailedUpdateLeavesTheFileByteForByte) {
    struct Case {
        const char* name;
        kok::test::ChildLimits limits;
        bool readOnly;
    };
    const Case cases[] = {
        {"read-only file", {}, true},
        {"full disk", {.maxFileBytes = static_cast<long>(kSettings.size())}, false},
        {"unreadable file", {.unprivileged = true}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::permissions(dir.path(), fs::perms::all, fs::perm_options::add);
        const fs::path file = dir / "kOkTD.KiF";
        writeBytes(file, kSettings);
        // Others may write but not read it: "nobody" must not replace what it cannot see.
        fs::permissions(file, c.readOnly ? fs::perms::owner_read
                                         : fs::perms::owner_read | fs::perms::owner_write |
                                               fs::perms::others_write);
        EXPECT_TRUE(kok::test::runInChild(c.limits, [&] {
            try {
                IniFile(file).update(kManyEdits);
            } catch (const WriteError&) {
                return true;
            }
            return false;
        }));
        EXPECT_EQ(readBytes(file), kSettings);
        EXPECT_FALSE(hasTempFile(dir.path())) << "a temporary file was left behind";
    }

    // An edit that throws midway leaves the file alone too.
    TempDir dir;
    writeBytes(dir / "s.ini", kSettings);
    EXPECT_THROW(IniFile(dir / "s.ini").update([](IniUpdate& u) {
        manyEdits(u);
        throw std::runtime_error("cancelled");
    }),
                 std::runtime_error);
    EXPECT_EQ(readBytes(dir / "s.ini"), kSettings);
}

TEST(IniFile, SymlinkStaysALinkAndItsTargetIsWritten) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links; // link -> as stored
        bool targetExists;
    };
    // The link is "kOkTD.KiF" in the folder "app"; the file lives in "store".
    const Case cases[] = {
        {"relative", {{"app/kOkTD.KiF", "../store/real.ini"}}, true},
        {"absolute", {{"app/kOkTD.KiF", "@/store/real.ini"}}, true},
        {"chain", {{"app/kOkTD.KiF", "../store/hop.ini"}, {"store/hop.ini", "real.ini"}}, true},
        {"dangling", {{"app/kOkTD.KiF", "../store/real.ini"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directories(dir / "app");
        fs::create_directories(dir / "store");
        if (c.targetExists) writeBytes(dir / "store/real.ini", kSettings);
        for (const auto& [link, to] : c.links)
            fs::create_symlink(to[0] == '@' ? (dir.path() / to.substr(2)).string() : to,
                               dir / link);

        IniFile ini(dir / "app/kOkTD.KiF");
        ini.update(kManyEdits);

        for (const auto& [link, to] : c.links)
            EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
        IniFile expected(dir / "expected.ini");
        if (c.targetExists) writeBytes(expected.path(), kSettings);
        expected.update(kManyEdits);
        EXPECT_EQ(readBytes(dir / "store/real.ini"), readBytes(expected.path()));
        EXPECT_FALSE(hasTempFile(dir / "store") || hasTempFile(dir / "app"))
            << "a temporary file was left behind";
    }
}

// A Settings path that cannot even be examined (a folder closed to the user,
// as after `chmod 000` or with another user's XDG_DATA_HOME; a loop of links;
// a name longer than the system takes) reads as missing and fails a write
// with WriteError, the failure every caller reports: never another exception
// that would end the program.
TEST(IniFile, PathThatCannotBeExaminedReadsAsMissingAndFailsWritesAsWriteError) {
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::add);
    const fs::path closed = dir / "closed";
    fs::create_directory(closed);
    writeBytes(closed / "kOkTD.KiF", "[kOk:TD]\r\nPosX=7\r\n");
    fs::permissions(closed, fs::perms::none);
    fs::create_symlink("loop_b", dir / "loop_a");
    fs::create_symlink("loop_a", dir / "loop_b");
    const struct {
        const char* what;
        fs::path path;
    } cases[] = {{"closed folder", closed / "kOkTD.KiF"},
                 {"loop of links", dir / "loop_a"},
                 {"link into the loop", dir / "loop_b"},
                 {"name too long", dir / std::string(300, 'k')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(kok::test::runInChild(kok::test::ChildLimits{.unprivileged = true}, [&] {
            IniFile ini(c.path);
            if (ini.readInteger("kOk:TD", "PosX", -1) != -1) return false;
            try {
                ini.update([](IniUpdate& u) { u.writeInteger("kOk:TD", "PosX", 3); });
            } catch (const WriteError&) {
                return true;
            } catch (...) {
                return false;
            }
            return false;
        }));
    }
    fs::permissions(closed, fs::perms::owner_all);
    EXPECT_EQ(readBytes(closed / "kOkTD.KiF"), "[kOk:TD]\r\nPosX=7\r\n");
}
