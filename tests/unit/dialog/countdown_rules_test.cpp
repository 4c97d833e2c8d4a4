// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog/countdown_rules.h"

namespace {

using namespace kok::dialog;

TEST(CountdownRules, TotalSplitsIntoHoursMinutesSeconds) {
    const std::vector<std::pair<int, Duration>> cases = {{3661, {1, 1, 1}}, {21599, {5, 59, 59}},
                                                         {100, {0, 1, 40}}, {10, {0, 0, 10}},
                                                         {3600, {1, 0, 0}}, {0, {0, 0, 0}}};
    for (const auto& [total, expected] : cases)
        EXPECT_EQ(splitDuration(total), expected) << total;
}

// While typed, the fields give the total as they stand; left, they keep the
// page's ranges, the ten-second minimum and the fallback.
TEST(CountdownRules, TypedAndLeftFields) {
    struct Case {
        const char *h, *m, *s;
        std::optional<int> typed;
        Duration left;
    };
    const std::vector<Case> cases = {
        {"1", "1", "1", 3661, {1, 1, 1}},
        {"5", "59", "59", 21599, {5, 59, 59}},
        {"0", "0", "5", 5, {0, 0, 10}}, // below the minimum once left
        {"0", "0", "25", 25, {0, 0, 25}},
        {"0", "1", "0", 60, {0, 1, 0}}, // a minute allows zero seconds
        {"30", "1", "40", 108100, {5, 1, 40}},
        {"0", "1", "99999", 100059, {0, 1, 59}},
        {"2147483647", "0", "0", 2147483647, {5, 0, 0}},
        {"-1", "-5", "-7", -3907, {0, 0, 10}},
        {"", "1", "40", {}, {0, 1, 40}}, // no number: the fallback once left
        {"0", "x", "5", {}, {0, 1, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.h) + ":" + c.m + ":" + c.s);
        EXPECT_EQ(typedTotal(c.h, c.m, c.s), c.typed);
        EXPECT_EQ(settledFields(c.h, c.m, c.s), c.left);
    }
    const std::vector<std::pair<const char*, int>> totals = {
        {"3661", 3661}, {"99999", 21599}, {"2147483647", 21599}, {"5", 10},
        {"-3", 10},     {"", 100},        {"abc", 100}};
    for (const auto& [typed, left] : totals)
        EXPECT_EQ(settledTotal(typed), left) << typed;
}

TEST(CountdownRules, StoredTypeSelectsAPatternRadio) {
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {2, 2}, {3, 3}, {4, 4},
                                                    {0, 1}, {5, 1}, {-2, 1}};
    for (const auto& [type, radio] : cases)
        EXPECT_EQ(beepRadioForType(type), radio) << type;
}

} // namespace
