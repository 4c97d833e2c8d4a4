// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <ctime>

#include "signals/sound.h"
#include "support/core_app.h"

using namespace kok;
using namespace std::chrono_literals;

namespace {

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

QCoreApplication& app() {
    return kok::test::coreApp();
}

// The longest a wait of `length` may take: a wait is never shorter than asked,
// but a busy machine may wake the program late, so the upper bound only
// catches a wait that is plainly too long.
std::chrono::milliseconds busyBound(std::chrono::milliseconds length) {
    return 2 * length + 1000ms;
}

} // namespace

TEST(WaitMs, ShortWaitSleepsItsLengthAndHoldsEvents) {
    app();
    bool fired = false;
    QTimer::singleShot(10, [&] { fired = true; });
    const auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = cpuSeconds();
    signal::WaitMs(300);
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(elapsed, 300ms);
    EXPECT_LT(elapsed, busyBound(300ms));
    EXPECT_LT(cpuSeconds() - cpu0, 0.03) << "the wait must sleep, not spin";
    EXPECT_FALSE(fired) << "a wait of 1000 ms or less holds events back";
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired);
}

TEST(WaitMs, LongWaitHandlesEventsAndStillLastsItsLength) {
    app();
    bool fired = false;
    QTimer::singleShot(100, [&] { fired = true; });
    const auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = cpuSeconds();
    signal::WaitMs(1100);
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_TRUE(fired);
    EXPECT_GE(elapsed, 1100ms);
    EXPECT_LT(elapsed, busyBound(1100ms));
    EXPECT_LT(cpuSeconds() - cpu0, 0.05);
}

TEST(WaitMs, NothingForZeroOrLess) {
    const auto t0 = std::chrono::steady_clock::now();
    signal::WaitMs(0);
    signal::WaitMs(-100);
    signal::WaitMs(-5000);
    // Far below the 5 s a wait of the length's magnitude would take.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 2500ms);
}
