// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/file_io.h"
#include "platform/paths.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::platform::DataFolder;

// Where the program writes, for each state of its folder and the user's, and
// whether saving the Settings file then works (or leaves the dialog read-only).
// A shared install (the marker file in its folder) never writes there, even
// when the folder is writable (root) or holds an older version's Settings file.
TEST(DataFolder, PortableBesideTheProgramElsePerUser) {
    struct Case {
        const char* what;
        bool shared, programWritable, settingsThere, userWritable, userKnown;
        bool perUser, saves;
    };
    const Case cases[] = {
        {"writable program folder", false, true, false, true, true, false, true},
        {"read-only program folder with a Settings file", false, false, true, true, true, false,
         false},
        {"read-only program folder without one", false, false, false, true, true, true, true},
        {"per-user folder not writable", false, false, false, false, true, true, false},
        {"portable copy, no user folder", false, true, false, true, false, false, true},
        {"shared install run by root", true, true, false, true, true, true, true},
        {"shared install with an old Settings file", true, true, true, true, true, true, true},
        {"shared install, read-only for the user", true, false, false, true, true, true, true},
        {"shared install, no user folder", true, true, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const kok::test::TempDir temp;
        const fs::path program = temp / "lib";
        const fs::path userHome = temp / "share";
        fs::create_directories(program);
        fs::create_directories(userHome);
        if (c.shared) kok::test::writeBytes(program / "shared-install", "");
        if (c.settingsThere) kok::platform::writeFileAtomically(program / "kOkTD.KiF", "[x]\r\n");
        if (!c.programWritable)
            fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
        if (!c.userWritable)
            fs::permissions(userHome, fs::perms::owner_read | fs::perms::owner_exec);
        const auto listing = [&] {
            std::string names;
            for (const auto& e : fs::directory_iterator(program))
                names += e.path().filename().string() + ";";
            return names;
        };
        const std::string before = listing();

        const fs::path userDir = c.userKnown ? userHome / "koktd" : fs::path();
        const DataFolder chosen =
            kok::platform::chooseDataFolder(program, userDir, kok::settings::kSettingsFileName);
        EXPECT_EQ(chosen.perUser, c.perUser);
        EXPECT_EQ(chosen.dir, c.perUser ? userHome / "koktd" : program);

        kok::platform::useDataFolder(chosen);
        if (c.shared) {
            EXPECT_NE(kok::platform::skinDirToSave().parent_path(), kok::platform::executableDir())
                << "the skin editor offers the installed program's folder";
        }
        bool saved = true;
        try {
            kok::platform::writeFileAtomically(kok::settings::settingsFilePath(), "[kOkTD]\r\n");
        } catch (const kok::platform::WriteError&) {
            saved = false;
        }
        kok::platform::useDataFolder({});
        EXPECT_EQ(saved, c.saves);
        if (c.perUser || c.shared) {
            EXPECT_EQ(listing(), before) << "written into the program folder";
        }
        if (c.perUser && c.saves) {
            struct stat st {};
            ASSERT_EQ(::stat((userHome / "koktd").c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0700u) << "the per-user folder is not private";
            EXPECT_EQ(kok::test::readBytes(userHome / "koktd" / "kOkTD.KiF"), "[kOkTD]\r\n");
        }
    }
}
