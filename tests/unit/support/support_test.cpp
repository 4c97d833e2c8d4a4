// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <ctime>
#include <filesystem>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "settings/settings_file.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/test_clock.h"
#include "support/time_zone.h"

using namespace kok;
using platform::LocalTime;

namespace {

struct Moment {
    int year, month, day, hour, minute, second, msec, weekDay;
    bool operator==(const Moment&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Moment& m) {
    return out << m.year << '-' << m.month << '-' << m.day << ' ' << m.hour << ':' << m.minute
               << ':' << m.second << '.' << m.msec << " wd" << m.weekDay;
}

void expectAt(const LocalTime& t, const Moment& m) {
    EXPECT_EQ((Moment{t.year, t.month, t.day, t.hour, t.minute, t.second, t.msec, t.weekDay}), m);
}

} // namespace

TEST(TestClock, RollsOverLikeTheCalendar) {
    test::FixedTimeZone berlin;
    struct Case {
        Moment from;
        long long advanceMs;
        Moment to;
    };
    const Case cases[] = {
        {{2026, 12, 8, 7, 59, 58, 0, 2}, 2000, {2026, 12, 8, 8, 0, 0, 0, 2}},
        {{2026, 12, 31, 23, 59, 59, 500, 4}, 500, {2027, 1, 1, 0, 0, 0, 0, 5}},
        {{2028, 2, 28, 23, 59, 59, 999, 1}, 1, {2028, 2, 29, 0, 0, 0, 0, 2}},
        {{2026, 2, 28, 23, 59, 59, 0, 6}, 1000, {2026, 3, 1, 0, 0, 0, 0, 0}},
        {{2026, 4, 30, 12, 0, 0, 0, 4}, 86'400'000, {2026, 5, 1, 12, 0, 0, 0, 5}},
        {{2026, 5, 1, 0, 0, 0, 0, 5}, -1, {2026, 4, 30, 23, 59, 59, 999, 4}},
        // Daylight saving: 01:59:59 is followed by 03:00:00 in spring; in autumn
        // 02:00 comes twice, an hour apart.
        {{2026, 3, 29, 1, 59, 59, 0, 0}, 1000, {2026, 3, 29, 3, 0, 0, 0, 0}},
        {{2026, 10, 25, 1, 59, 59, 0, 0}, 3'601'000, {2026, 10, 25, 2, 0, 0, 0, 0}},
        {{2026, 10, 25, 1, 59, 59, 0, 0}, 7'201'000, {2026, 10, 25, 3, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        test::TestClock clock(2000, 1, 1);
        clock.set(c.from.year, c.from.month, c.from.day, c.from.hour, c.from.minute, c.from.second,
                  c.from.msec);
        expectAt(platform::clock().now(), c.from);
        clock.advanceMs(c.advanceMs);
        expectAt(platform::clock().now(), c.to);
    }
}

TEST(TestClock, SkippedHourIsLeftAtItsEndAndTheSystemClockComesBack) {
    test::FixedTimeZone berlin;
    const auto spring = test::kSpringForward;
    {
        test::TestClock clock(spring.year, spring.month, spring.day, spring.hourBefore, 30);
        EXPECT_EQ(platform::clock().now().hour, spring.hourAfter);
        EXPECT_EQ(platform::clock().now().minute, 30);
        clock.advanceSeconds(-3600);
        EXPECT_EQ(platform::clock().now().hour, spring.hourBefore - 1);
    }
    EXPECT_GT(platform::clock().now().year, 2025) << "the system clock is back";
}

// The system clock shows the time of the process's zone, not UTC.
TEST(FixedTimeZone, TheSystemClockFollowsIt) {
    struct Case {
        const char* zone;
        int minutesAheadOfUtc;
    };
    for (const Case c : {Case{"UTC0", 0}, Case{"IST-5:30", 330}, Case{"HST10", -600}}) {
        test::FixedTimeZone zone(c.zone);
        for (;;) {
            const std::time_t before = std::time(nullptr);
            const LocalTime local = platform::clock().now();
            const std::time_t after = std::time(nullptr);
            if (before / 60 != after / 60) continue; // a minute ended in between
            std::tm utc{};
            ::gmtime_r(&before, &utc);
            const int ahead = (local.hour * 60 + local.minute) - (utc.tm_hour * 60 + utc.tm_min);
            EXPECT_EQ((ahead - c.minutesAheadOfUtc) % 1440, 0) << c.zone;
            break;
        }
    }
}

TEST(ProgramFolder, IsFreshAndEmptyAndTheProgramsOwnWhileItLasts) {
    const auto binaryDir = platform::executablePath().parent_path();
    {
        test::ProgramFolder folder;
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
        EXPECT_EQ(settings::settingsFilePath(), folder / "kOkTD.KiF");
        settings::openSettings().writeInteger("kOk:TD", "PosX", 7);
        EXPECT_EQ(settings::openSettings().readInteger("kOk:TD", "PosX", 0), 7);
        {
            test::ProgramFolder inner;
            EXPECT_NE(inner.path(), folder.path());
            EXPECT_EQ(platform::executableDir(), inner.path());
        }
        EXPECT_EQ(platform::executableDir(), folder.path());
    }
    EXPECT_EQ(platform::executableDir(), binaryDir);
}

TEST(MessageCatcher, AnswersEachMessageAndKeepsTextAndCaption) {
    static int argc = 1;
    static char name[] = "unit_support";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    test::MessageCatcher catcher;
    platform::showMessage("Первое");
    platform::showMessage("Second", "Caption");
    EXPECT_EQ(catcher.texts, (QStringList{"Первое", "Second"}));
    EXPECT_EQ(catcher.captions, (QStringList{"", "Caption"}));
}
