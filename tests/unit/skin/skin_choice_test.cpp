// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "skin/skin_choice.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using kok::test::readBytes;
using kok::test::writeBytes;

class SkinReset : public ::testing::Test {
  protected:
    kok::test::ProgramFolder folder;
    const fs::path path = kok::settings::settingsFilePath();
};

TEST_F(SkinReset, ChangesOnlyTheRunningFamilysKeys) {
    writeBytes(path, "[kOk:TD:Skins]\r\n9X_SkinExt=1\r\n9X_SkinName=def\r\nXP_SkinExt=1\r\n"
                     "XP_SkinPath=/home/u/skins/blue/\r\n");
    kok::skin::resetSkinChoice(true);
    EXPECT_EQ(readBytes(path),
              "[kOk:TD:Skins]\r\n9X_SkinExt=1\r\n9X_SkinName=def\r\nXP_SkinExt=0\r\n"
              "XP_SkinPath=/home/u/skins/blue/\r\nXP_SkinName=ext\r\n");
    kok::skin::resetSkinChoice(false);
    EXPECT_EQ(readBytes(path),
              "[kOk:TD:Skins]\r\n9X_SkinExt=0\r\n9X_SkinName=ext\r\nXP_SkinExt=0\r\n"
              "XP_SkinPath=/home/u/skins/blue/\r\nXP_SkinName=ext\r\n");
}

TEST_F(SkinReset, ReadOnlySettingsFileFailsAndStaysAsItWas) {
    const std::string before = "[kOk:TD:Skins]\r\nXP_SkinExt=1\r\n";
    writeBytes(path, before);
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_THROW(kok::skin::resetSkinChoice(true), kok::settings::WriteError);
    EXPECT_EQ(readBytes(path), before);
}
