// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/skin_info.h"
#include "skin/skin_files.h"
#include "support/program_folder.h"

using namespace kok::dialog;
using kok::test::TempDir;
using kok::test::writeBytes;

namespace {

// A folder with every file of a skin except `missing`; the description's
// [info] lines are `info`.
std::string skinFolder(const TempDir& dir, std::string_view missing, const std::string& info) {
    for (std::string_view name : kok::skin::kSkinFolderFiles)
        if (name != missing) writeBytes(dir / std::string(name), name == "skin.ksf" ? info : "BM");
    return dir.path().string() + "/";
}

SkinSource external(const std::string& folder) {
    return {true, folder, ""};
}

} // namespace

// A new external skin needs all thirteen files; any one missing fails it,
// while the skin in use is only described.
TEST(SkinReader, EveryFileOfANewExternalSkinMustExist) {
    for (std::string_view missing : kok::skin::kSkinFolderFiles) {
        TempDir dir;
        const std::string folder = skinFolder(dir, missing, "[info]\r\nsupport=09.0\r\n");
        EXPECT_FALSE(isCompleteSkinFolder(folder)) << missing;
        EXPECT_FALSE(readSkin(external(folder), true).success) << missing;
        EXPECT_TRUE(readSkin(external(folder), false).success) << missing;
    }
    TempDir dir;
    EXPECT_TRUE(readSkin(external(skinFolder(dir, "", "")), true).success);
    EXPECT_FALSE(readSkin(external("/no/such/folder/"), true).success);
}

TEST(SkinReader, TextsShowTheirDefaultsAndPrefixes) {
    TempDir dir;
    const std::string folder = skinFolder(
        dir, "", "[INFO]\r\nName=\xD1\xE8\xED\xFF\xFF\r\nversion=2.5\r\nweb=https://x.org\r\n");
    const SkinReading full = readSkin(external(folder), false);
    ASSERT_TRUE(full.info);
    EXPECT_EQ(*full.info, (SkinPanels{"Синяя", "версия = 2.5", "автор = -", "-", "https://x.org"}));

    const SkinReading ext = readSkin({false, "", "ext"}, true);
    ASSERT_TRUE(ext.success && ext.info);
    EXPECT_EQ(ext.info->name, "Extended");
    EXPECT_EQ(ext.info->version, "версия = 1.1");
    EXPECT_EQ(readSkin({false, "", "anything"}, true).info->name, "Default");
}

// Only a newly chosen, complete skin made for another version is warned
// about; a missing "support" counts as another version.
TEST(SkinReader, VersionWarningForNewSkinsOfOtherVersions) {
    struct Case {
        std::string info;
        std::string_view missing;
        bool newChoice;
        bool warn;
    };
    const Case cases[] = {
        {"[info]\r\nsupport=09.0\r\n", "", true, false},
        {"[info]\r\nsupport=9.0\r\n", "", true, true},
        {"[info]\r\nname=x\r\n", "", true, true},
        {"[info]\r\nname=x\r\n", "", false, false},
        {"[info]\r\nname=x\r\n", "face.bmp", true, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const SkinReading r = readSkin(external(skinFolder(dir, c.missing, c.info)), c.newChoice);
        EXPECT_EQ(r.otherVersion, c.warn) << c.info << c.missing << c.newChoice;
    }
    EXPECT_FALSE(readSkin({false, "", "def"}, true).otherVersion);
}

TEST(SkinReader, BuiltinSkinsLeaveNoFileAndUnreadableDescriptionsFail) {
    kok::test::ProgramFolder program;
    readSkin({false, "", "def"}, true);
    readSkin({false, "", "ext"}, false);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));

    TempDir dir;
    const std::string folder = skinFolder(dir, "skin.ksf", "");
    std::filesystem::create_directory(dir / "skin.ksf");
    EXPECT_FALSE(readSkin(external(folder), false).success);
    EXPECT_FALSE(readSkin(external(folder), false).info);
}

// A skin's mail link opens a message to its address and nothing more: no
// attached file, no other recipient or body; a subject may stay.
TEST(SkinReader, MailLinksKeepOnlyTheAddressAndASubject) {
    const std::pair<const char*, const char*> cases[] = {
        {"ann@example.org", "mailto:ann@example.org"},
        {"ann@example.org?attach=/etc/passwd", "mailto:ann@example.org"},
        {"ann@example.org?attachment=~/.ssh/id_rsa&subject=Hi",
         "mailto:ann@example.org?subject=Hi"},
        {"ann@example.org?cc=b@x.org&SUBJECT=Skin&body=x", "mailto:ann@example.org?SUBJECT=Skin"},
        {"ann@example.org?subject=A&attach=/etc/passwd", "mailto:ann@example.org?subject=A"},
        {"ann@example.org?subjects=x&bcc=c@x.org", "mailto:ann@example.org"},
        {"ann@example.org%3Fattach=/etc/passwd", "mailto:ann@example.org"},
        {"ann@example.org#x&attach=/etc/passwd", "mailto:ann@example.org"},
    };
    for (const auto& [address, link] : cases)
        EXPECT_EQ(mailLink(address), link) << address;
}
