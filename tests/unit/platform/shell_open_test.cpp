// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/shell_open.h"

using kok::platform::isOpenableAddress;

TEST(ShellOpen, OnlyWebAndMailAddressesMayBeOpened) {
    struct Case {
        const char* address;
        bool openable;
    };
    const Case cases[] = {
        {"https://koktd.example.org/", true},
        {"http://koktd.example.org/skins", true},
        {"HTTPS://koktd.example.org/", true},
        {"Mailto:koktd@example.org?subject=%22kOk%20DIAL%20TD%22", true},
        {"", false},
        {"http://", false},
        {"https:/koktd.example.org", false},
        {" https://koktd.example.org/", false},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"xterm", false},
        {"javascript:alert(1)", false},
        {"mailto", false},
        {"ftp://koktd.example.org/", false},
        {"httpx://koktd.example.org/", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isOpenableAddress(c.address), c.openable) << '"' << c.address << '"';
}
