// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "dialog/alarm_page_rules.h"

using namespace kok::dialog;

TEST(AlarmPageRules, FieldIntegerTakesOnlyAWholeInteger) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"7", 7},
        {"07", 7},
        {"  15", 15},
        {"-3", -3},
        {"+4", 4},
        {"0", 0},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"a", std::nullopt},
        {"1a", std::nullopt},
        {"12 ", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"-", std::nullopt},
        {"1.5", std::nullopt},
        {"99999999999", std::nullopt}, // beyond an int
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(AlarmPageRules, DateIsTwoPlusTwoCharactersAndSplitsBack) {
    const struct {
        const char *day, *month, *date;
    } cases[] = {
        {"7", "12", "07.12"},
        {"31", "2", "31.02"},
        {"", "", "0.0"},
        {"05", "1", "05.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(alarmDate(c.day, c.month), c.date) << c.day << '/' << c.month;
    }
    EXPECT_EQ(alarmDateDay("07.12"), "07");
    EXPECT_EQ(alarmDateMonth("07.12"), "12");
    // A short or odd stored date gives what its character places hold.
    EXPECT_EQ(alarmDateDay("7.12"), "7.");
    EXPECT_EQ(alarmDateMonth("7.12"), "2");
    EXPECT_EQ(alarmDateMonth("07"), "");
}

TEST(AlarmPageRules, RegularityLastFlagOnWinsAndWritesExactlyOne) {
    using R = Regularity;
    const struct {
        RegularityFlags stored;
        std::optional<R> shown;
    } cases[] = {
        {{false, false, true}, R::ByWeekday}, {{true, false, false}, R::Once},
        {{false, true, false}, R::OnDate},    {{true, true, false}, R::OnDate},
        {{true, false, true}, R::ByWeekday},  {{false, false, false}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(regularityOf(c.stored), c.shown)
            << c.stored.atOnce << c.stored.atDate << c.stored.atWeek;
    for (R r : {R::Once, R::OnDate, R::ByWeekday}) {
        const RegularityFlags flags = regularityFlags(r);
        EXPECT_EQ(flags.atOnce + flags.atDate + flags.atWeek, 1);
        EXPECT_EQ(regularityOf(flags), r);
    }
}

TEST(AlarmPageRules, StoredNumbersPickTheirRadio) {
    const std::pair<int, int> patterns[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4},
                                            {0, 1}, {5, 1}, {-2, 1}};
    for (auto [stored, shown] : patterns)
        EXPECT_EQ(beepPatternShown(stored), shown) << stored;
    const std::pair<int, int> accuracies[] = {{1, 1}, {10, 10}, {5, 5}, {0, 5}, {2, 5}, {60, 5}};
    for (auto [stored, shown] : accuracies)
        EXPECT_EQ(accuracyShown(stored), shown) << stored;
}
