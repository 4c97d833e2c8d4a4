// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/datetime_applet.h"

using kok::platform::dateTimeSettingsCommands;

namespace {
using Command = std::vector<std::string>;
}

TEST(DateTimeSettings, TheRunningDesktopsToolComesFirst) {
    EXPECT_EQ(dateTimeSettingsCommands("ubuntu:GNOME").front(),
              (Command{"gnome-control-center", "datetime"}));
    EXPECT_EQ(dateTimeSettingsCommands("KDE").front(), (Command{"systemsettings", "kcm_clock"}));
    EXPECT_EQ(dateTimeSettingsCommands("X-Cinnamon").front(),
              (Command{"cinnamon-settings", "calendar"}));
}

TEST(DateTimeSettings, EveryToolIsTriedOnceWhateverTheDesktop) {
    const auto unknown = dateTimeSettingsCommands("");
    const auto kde = dateTimeSettingsCommands("KDE");
    EXPECT_EQ(unknown.size(), kde.size());
    for (const Command& c : unknown)
        EXPECT_EQ(std::count(kde.begin(), kde.end(), c), 1);
}
