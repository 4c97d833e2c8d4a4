// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "clock/move_step.h"

using kok::clock::moveStep;
using kok::clock::ScreenPoint;
using kok::clock::Size;

namespace {

constexpr Size kScreen{1024, 768};
constexpr Size kWindow{125, 28};

// Where the window lands when dragged so that its top-left would be at (x, y).
ScreenPoint dropAt(int x, int y, bool magnet, Size window = kWindow) {
    const ScreenPoint origin{40, 10};
    return moveStep({x + origin.x, y + origin.y}, origin, magnet, kScreen, window);
}

} // namespace

TEST(MoveStep, FollowsThePointerAwayFromTheEdges) {
    EXPECT_EQ(dropAt(400, 300, true), (ScreenPoint{400, 300}));
    EXPECT_EQ(dropAt(400, 300, false), (ScreenPoint{400, 300}));
}

TEST(MoveStep, MagnetSnapsWithinEighteenPixelsStrictly) {
    EXPECT_EQ(dropAt(10, 300, true).x, 0);
    EXPECT_EQ(dropAt(17, 300, true).x, 0);
    EXPECT_EQ(dropAt(18, 300, true).x, 18);
    // 1024 - 125 - 14: within the margin of the right edge.
    EXPECT_EQ(dropAt(885, 300, true).x, 899);
    EXPECT_EQ(dropAt(881, 300, true).x, 881); // exactly at the margin: stays
    EXPECT_EQ(dropAt(882, 300, true).x, 899);
    EXPECT_EQ(dropAt(400, 17, true).y, 0);
    EXPECT_EQ(dropAt(400, 18, true).y, 18);
    EXPECT_EQ(dropAt(400, 722, true).y, 722); // 768 - 28 - 18
    EXPECT_EQ(dropAt(400, 723, true).y, 740);
}

TEST(MoveStep, MagnetPutsAWindowAboveTheTopOrLeftOnTheEdge) {
    EXPECT_EQ(dropAt(-50, -40, true), (ScreenPoint{0, 0}));
    EXPECT_EQ(dropAt(2000, 2000, true), (ScreenPoint{899, 740}));
}

TEST(MoveStep, WithoutMagnetKeepsInsideButTheTopMayOverhangFive) {
    EXPECT_EQ(dropAt(10, 300, false).x, 10);
    EXPECT_EQ(dropAt(898, 300, false).x, 898);
    EXPECT_EQ(dropAt(-1, 300, false).x, 0);
    EXPECT_EQ(dropAt(900, 300, false).x, 899);
    EXPECT_EQ(dropAt(400, -5, false).y, -5);
    EXPECT_EQ(dropAt(400, -6, false).y, -5);
    EXPECT_EQ(dropAt(400, -200, false).y, -5);
    EXPECT_EQ(dropAt(400, 741, false).y, 740);
}

TEST(MoveStep, WindowLargerThanTheScreenKeepsItsTopLeftVisible) {
    const Size huge{1100, 800};
    EXPECT_EQ(dropAt(300, 300, true, huge), (ScreenPoint{0, 0}));
    EXPECT_EQ(dropAt(300, 300, false, huge), (ScreenPoint{0, -5}));
}

TEST(ReachablePosition, KeepsAnyPositionThatLeavesPartOfTheWindowOnAScreen) {
    using kok::clock::reachablePosition;
    using kok::clock::ScreenRect;
    const std::vector<ScreenRect> one{{0, 0, 1024, 768}};
    EXPECT_EQ(reachablePosition({-124, -27}, kWindow, one, kScreen), (ScreenPoint{-124, -27}));
    EXPECT_EQ(reachablePosition({1023, 767}, kWindow, one, kScreen), (ScreenPoint{1023, 767}));
    // A second screen to the right holds the window.
    const std::vector<ScreenRect> two{{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    EXPECT_EQ(reachablePosition({2000, 900}, kWindow, two, kScreen), (ScreenPoint{2000, 900}));
    // Off every screen: back inside the primary one.
    EXPECT_EQ(reachablePosition({2000, 900}, kWindow, one, kScreen), (ScreenPoint{899, 740}));
    EXPECT_EQ(reachablePosition({-125, 300}, kWindow, one, kScreen), (ScreenPoint{0, 300}));
    EXPECT_EQ(reachablePosition({300, -28}, kWindow, one, kScreen), (ScreenPoint{300, -5}));
}
