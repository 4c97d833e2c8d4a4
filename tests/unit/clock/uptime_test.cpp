// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "clock/uptime.h"
#include "platform/uptime.h"

using kok::clock::uptimeText;

TEST(UptimeText, HoursAreUnboundedMinutesAndSecondsTwoDigits) {
    EXPECT_EQ(uptimeText(0), "00:00:00");
    EXPECT_EQ(uptimeText(5 * 3600 + 3 * 60 + 9), "05:03:09");
    EXPECT_EQ(uptimeText(9 * 3600 + 59 * 60 + 59), "09:59:59");
    EXPECT_EQ(uptimeText(10 * 3600), "10:00:00");
    EXPECT_EQ(uptimeText(125 * 3600), "125:00:00");
    EXPECT_EQ(uptimeText(1000LL * 3600 + 61), "1000:01:01");
}

// The system's own count, in /proc/uptime, includes suspended time as ours does.
TEST(SystemUptime, AgreesWithTheKernelsCount) {
    std::ifstream proc("/proc/uptime");
    double kernelSeconds = 0;
    if (!(proc >> kernelSeconds)) GTEST_SKIP() << "no /proc/uptime here";
    const auto ours = kok::platform::systemUptimeSeconds();
    ASSERT_TRUE(ours.has_value());
    EXPECT_NEAR(double(*ours), kernelSeconds, 2.0);
}
