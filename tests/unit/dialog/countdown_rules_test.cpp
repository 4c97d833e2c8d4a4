#include <gtest/gtest.h>

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

TEST(CountdownRules, FieldsGiveTheTotalWithTenSecondsAtLeast) {
    struct Case {
        const char *h, *m, *s;
        bool valid;
        int total, minimum;
        bool raised;
    };
    const std::vector<Case> cases = {
        {"1", "1", "1", true, 3661, 0, false},
        {"5", "59", "59", true, 21599, 0, false},
        {"0", "0", "5", true, 10, 10, true},   // below the minimum: raised to 10
        {"0", "0", "10", true, 10, 10, false}, // at it
        {"0", "1", "0", true, 60, 0, false},   // a minute allows zero seconds
        {"1", "0", "0", true, 3600, 0, false},
        {"", "1", "40", false, 100, 0, false}, // an empty field: the fallback total
        {"0", "x", "40", false, 100, 0, false},
    };
    for (const Case& c : cases) {
        const DurationEdit e = editDuration(c.h, c.m, c.s);
        SCOPED_TRACE(std::string(c.h) + ":" + c.m + ":" + c.s);
        EXPECT_EQ(e.valid, c.valid);
        EXPECT_EQ(e.total, c.total);
        EXPECT_EQ(e.secondsMinimum, c.minimum);
        EXPECT_EQ(e.secondsRaised, c.raised);
    }
}

TEST(CountdownRules, StoredTypeSelectsAPatternRadio) {
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {2, 2}, {3, 3}, {4, 4},
                                                    {0, 1}, {5, 1}, {-2, 1}};
    for (const auto& [type, radio] : cases)
        EXPECT_EQ(beepRadioForType(type), radio) << type;
}

} // namespace
