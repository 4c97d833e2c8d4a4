// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "alarms/alarm_check.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "support/temp_dir.h"
#include "support/test_clock.h"
#include "support/time_zone.h"

using namespace kok::alarm;
namespace keys = kok::settings::alarms;
using kok::platform::LocalTime;
using kok::settings::IniFile;
using kok::test::FixedTimeZone;
using kok::test::TempDir;
using kok::test::TestClock;
using kok::test::writeBytes;

namespace {

struct Moment {
    int year, month, day, hour, minute, second;
    int isDst = -1; // 0 picks the second of a repeated hour
};

// Something outside the alarms that happens while they are checked.
struct Interruption {
    enum Kind {
        kEvent,   // another event fires (countdown, reminder); its bar shows until `until`
        kSuspend, // the machine sleeps until `until`
    } kind;
    Moment from, until;
};

struct Scenario {
    const char* name;
    std::string keys; // lines of the alarms section
    Moment start;
    int minutes;
    // "dd.mm HH:MM:SS zone warn" and "dd.mm HH:MM:SS zone #slot" (a firing), in order.
    std::vector<std::string> log;
    std::vector<Interruption> interruptions = {};
    std::vector<int> leftOn = {}; // slots whose _Use is nonzero at the end
    Moment writesFailUntil = {};
    Moment loaded = {}; // the show-time load, when earlier than the first check
};

std::int64_t utcOf(const Moment& m) {
    std::tm t{};
    t.tm_year = m.year - 1900;
    t.tm_mon = m.month - 1;
    t.tm_mday = m.day;
    t.tm_hour = m.hour;
    t.tm_min = m.minute;
    t.tm_sec = m.second;
    t.tm_isdst = m.isDst;
    return m.year ? std::int64_t(std::mktime(&t)) : LLONG_MIN;
}

std::string stamp(const LocalTime& now) {
    const auto seconds = std::time_t(now.utc);
    std::tm t{};
    ::localtime_r(&seconds, &t);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m %H:%M:%S %Z", &t);
    return text;
}

// Runs the check the way the clock window drives it: one check per Accuracy
// seconds, the next one 60 s away after any firing, a 60-second lock after a
// warning or a firing, once-alarms written off before their firing.
void simulate(const Scenario& sc) {
    SCOPED_TRACE(sc.name);
    TempDir dir;
    writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Alarms]\r\n" + sc.keys);
    IniFile ini(dir / "kOkTD.KiF");
    TestClock clock(sc.start.year, sc.start.month, sc.start.day, sc.start.hour, sc.start.minute,
                    sc.start.second);
    AlarmCheck check;
    if (sc.loaded.year) {
        const Moment& l = sc.loaded;
        clock.set(l.year, l.month, l.day, l.hour, l.minute, l.second);
        check.start(clock.now());
        clock.set(sc.start.year, sc.start.month, sc.start.day, sc.start.hour, sc.start.minute,
                  sc.start.second);
    } else {
        check.start(clock.now());
    }
    std::vector<std::string> log;
    std::int64_t t = clock.now().utc;
    const std::int64_t end = t + sc.minutes * 60;
    std::int64_t lockUntil = LLONG_MIN;
    std::optional<AlarmSettings> a;
    while (t < end) {
        const LocalTime now = clock.now();
        bool showing = false;
        for (const auto& i : sc.interruptions)
            showing |= i.kind == Interruption::kEvent && utcOf(i.from) <= t && t < utcOf(i.until);
        // The clock window reads the file again when it changes; here only
        // the simulation writes it.
        if (!a) a = readAlarmSettings(ini.snapshot());
        const CheckOutcome o = check.evaluate(*a, now, t < lockUntil, showing);
        std::int64_t next = t + a->accuracySeconds;
        if (o.warn) {
            log.push_back(stamp(now) + " warn");
            lockUntil = t + 60;
        }
        if (o.consume.empty() || t >= utcOf(sc.writesFailUntil)) {
            for (int n : o.consume)
                ini.writeFlag(keys::kName, keys::slotKey(n, keys::kUse), false);
            if (!o.consume.empty()) a.reset();
            check.accept(o, now);
            for (int n : o.missed)
                log.push_back(stamp(now) + " missed #" + std::to_string(n));
            if (o.fire) {
                log.push_back(stamp(now) + " #" + std::to_string(*o.fire));
                lockUntil = next = t + 60;
            }
        }
        for (const auto& i : sc.interruptions) {
            const std::int64_t from = utcOf(i.from), until = utcOf(i.until);
            if (i.kind == Interruption::kEvent && t < from && from < next)
                lockUntil = next = from + 60;
            if (i.kind == Interruption::kSuspend && from < next && next < until) next = until;
        }
        clock.advanceSeconds(next - t);
        t = next;
    }
    EXPECT_EQ(log, sc.log);
    const AlarmSettings after = readAlarmSettings(ini.snapshot());
    std::vector<int> on;
    for (int n = 0; n < kSlotCount; ++n)
        if (after.slot[n].use) on.push_back(n);
    EXPECT_EQ(on, sc.leftOn);
}

// Weekly on every day (no week-day keys), at hh:mm.
std::string daily(int slot, int hour, int minute, int warn = 0) {
    const std::string n = std::to_string(slot);
    return n + "_Use=1\r\n" + n + "_atWeek=1\r\n" + n + "_Hour=" + std::to_string(hour) + "\r\n" +
           n + "_Minute=" + std::to_string(minute) + "\r\n" + n + "_Warn=" + std::to_string(warn) +
           "\r\n";
}
std::string once(int slot, int hour, int minute) {
    const std::string n = std::to_string(slot);
    return n + "_Use=1\r\n" + n + "_atOnce=1\r\n" + n + "_Hour=" + std::to_string(hour) + "\r\n" +
           n + "_Minute=" + std::to_string(minute) + "\r\n";
}

std::string dated(int slot, int hour, int minute, const std::string& date) {
    const std::string n = std::to_string(slot);
    return n + "_Use=1\r\n" + n + "_atDate=1\r\n" + n + "_Date=" + date + "\r\n" + n +
           "_Hour=" + std::to_string(hour) + "\r\n" + n + "_Minute=" + std::to_string(minute) +
           "\r\n";
}

class AlarmCheckDays : public testing::TestWithParam<Scenario> {};
TEST_P(AlarmCheckDays, FiresAndWarnsAsScheduled) {
    FixedTimeZone berlin;
    simulate(GetParam());
}

const Scenario kSchedules[] = {
    {"shared minute: the lower slot fires, a once-alarm among the rest is consumed; the check "
     "pushed 60 s away still fires the next minute",
     daily(4, 7, 0) + once(6, 7, 0) + daily(2, 7, 0) + daily(7, 7, 1, 1),
     {2026, 3, 16, 6, 58, 0},
     5,
     {"16.03 07:00:00 CET warn", "16.03 07:00:00 CET #2", "16.03 07:01:00 CET #7"},
     {},
     {2, 4, 7}},
    {"a once-alarm fires on its first day only and is switched off",
     once(0, 8, 30) + "0_Warn=2\r\n",
     {2026, 3, 16, 8, 0, 0},
     26 * 60,
     {"16.03 08:28:00 CET warn", "16.03 08:30:00 CET #0"}},
    {"Sunday only",
     daily(3, 9, 0) + "3_atWeekDay_0=1\r\n3_atWeekDay_1=0\r\n3_atWeekDay_2=0\r\n"
                      "3_atWeekDay_3=0\r\n3_atWeekDay_4=0\r\n3_atWeekDay_5=0\r\n"
                      "3_atWeekDay_6=0\r\n",
     {2026, 3, 16, 0, 0, 0},
     7 * 24 * 60,
     {"22.03 09:00:00 CET warn", "22.03 09:00:00 CET #3"},
     {},
     {3}},
    {"no week-day keys: every day",
     daily(3, 9, 0),
     {2026, 3, 16, 0, 0, 0},
     7 * 24 * 60,
     {"16.03 09:00:00 CET warn", "16.03 09:00:00 CET #3", "17.03 09:00:00 CET warn",
      "17.03 09:00:00 CET #3", "18.03 09:00:00 CET warn", "18.03 09:00:00 CET #3",
      "19.03 09:00:00 CET warn", "19.03 09:00:00 CET #3", "20.03 09:00:00 CET warn",
      "20.03 09:00:00 CET #3", "21.03 09:00:00 CET warn", "21.03 09:00:00 CET #3",
      "22.03 09:00:00 CET warn", "22.03 09:00:00 CET #3"},
     {},
     {3}},
    {"date 07.12 in 2026",
     "1_Use=1\r\n1_atDate=1\r\n1_Date=07.12\r\n1_Hour=8\r\n1_Warn=1\r\n",
     {2026, 12, 6, 0, 0, 0},
     3 * 24 * 60,
     {"07.12 07:59:00 CET warn", "07.12 08:00:00 CET #1"},
     {},
     {1}},
    {"date 07.12 again in 2027",
     "1_Use=1\r\n1_atDate=1\r\n1_Date=07.12\r\n1_Hour=8\r\n1_Warn=1\r\n",
     {2027, 12, 6, 0, 0, 0},
     3 * 24 * 60,
     {"07.12 07:59:00 CET warn", "07.12 08:00:00 CET #1"},
     {},
     {1}},
    {"date slot without a date: every day",
     "1_Use=1\r\n1_atDate=1\r\n1_Hour=8\r\n1_Warn=1\r\n",
     {2026, 12, 6, 0, 0, 0},
     3 * 24 * 60,
     {"06.12 07:59:00 CET warn", "06.12 08:00:00 CET #1", "07.12 07:59:00 CET warn",
      "07.12 08:00:00 CET #1", "08.12 07:59:00 CET warn", "08.12 08:00:00 CET #1"},
     {},
     {1}},
    {"00:05 with a 10-minute warning warns at 23:55 of the day before",
     daily(0, 0, 5, 10),
     {2026, 3, 16, 23, 0, 0},
     2 * 60,
     {"16.03 23:55:00 CET warn", "17.03 00:05:00 CET #0"},
     {},
     {0}},
    {"the warning before midnight follows the schedule of its own day",
     daily(0, 0, 5, 10) + "0_atWeekDay_1=0\r\n0_atWeekDay_3=0\r\n", // not Mon, Wed
     {2026, 3, 16, 23, 0, 0},
     26 * 60,
     {"17.03 00:05:00 CET #0", "17.03 23:55:00 CET warn"},
     {},
     {0}},
    {"Accuracy 10 fires within the first ten seconds",
     daily(0, 8, 0) + "Accuracy=10\r\n",
     {2026, 3, 16, 7, 59, 51},
     2,
     {"16.03 08:00:01 CET warn", "16.03 08:00:01 CET #0"},
     {},
     {0}},
    {"Accuracy 10, a check on the last second before the minute",
     daily(0, 8, 0) + "Accuracy=10\r\n",
     {2026, 3, 16, 7, 59, 59},
     2,
     {"16.03 08:00:09 CET warn", "16.03 08:00:09 CET #0"},
     {},
     {0}},
    {"a slot without _Hour rings at noon",
     "5_Use=1\r\n5_atOnce=1\r\n5_Minute=1\r\n5_Warn=1\r\n",
     {2026, 3, 16, 11, 0, 0},
     120,
     {"16.03 12:00:00 CET warn", "16.03 12:01:00 CET #5"}},
    {"the first check fires only in the alarm minute itself",
     daily(0, 8, 0) + daily(1, 8, 1),
     {2026, 3, 16, 8, 0, 59},
     3,
     {"16.03 08:00:59 CET warn", "16.03 08:00:59 CET #0", "16.03 08:01:59 CET warn",
      "16.03 08:01:59 CET #1"},
     {},
     {0, 1}},
    {"an hour out of range never rings",
     daily(0, 24, 0),
     {2026, 3, 16, 12, 0, 0},
     24 * 60,
     {},
     {},
     {0}},
    {"a first check after the minute fires nothing",
     daily(0, 8, 0),
     {2026, 3, 16, 8, 1, 0},
     3,
     {},
     {},
     {0}},
};
INSTANTIATE_TEST_SUITE_P(Schedules, AlarmCheckDays, testing::ValuesIn(kSchedules));

using I = Interruption;
const Scenario kLateChecks[] = {
    {"events push the next check past an alarm minute; the alarm still fires, once",
     daily(0, 8, 0) + daily(1, 8, 1),
     {2026, 3, 16, 7, 59, 0},
     10,
     {"16.03 08:00:58 CET warn", "16.03 08:00:58 CET #0", "16.03 08:02:30 CET #1"},
     {I{I::kEvent, {2026, 3, 16, 7, 59, 58}, {2026, 3, 16, 7, 59, 59}},
      I{I::kEvent, {2026, 3, 16, 8, 1, 30}, {2026, 3, 16, 8, 1, 31}}},
     {0, 1}},
    {"alarms that come due while an event shows are not shown, once-alarms are consumed",
     once(2, 9, 0) + daily(3, 9, 0),
     {2026, 3, 16, 8, 58, 0},
     5,
     {"16.03 09:00:00 CET warn"},
     {I{I::kEvent, {2026, 3, 16, 8, 59, 0}, {2026, 3, 16, 9, 0, 20}}},
     {3}},
    {"30 minutes of suspend: the missed alarm fires once on waking",
     daily(0, 8, 0),
     {2026, 3, 16, 7, 45, 0},
     105,
     {"16.03 08:20:00 CET #0"},
     {I{I::kSuspend, {2026, 3, 16, 7, 50, 0}, {2026, 3, 16, 8, 20, 0}}},
     {0}},
    {"several missed: the most recent fires, a missed once-alarm is consumed",
     daily(0, 8, 0) + once(1, 8, 5) + daily(2, 8, 10),
     {2026, 3, 16, 7, 45, 0},
     105,
     {"16.03 08:20:00 CET #2"},
     {I{I::kSuspend, {2026, 3, 16, 7, 50, 0}, {2026, 3, 16, 8, 20, 0}}},
     {0, 2}},
    {"60 minutes late still fires",
     daily(0, 8, 0),
     {2026, 3, 16, 7, 45, 0},
     105,
     {"16.03 09:00:00 CET #0"},
     {I{I::kSuspend, {2026, 3, 16, 7, 50, 0}, {2026, 3, 16, 9, 0, 0}}},
     {0}},
    {"61 minutes late fires nothing; a once-alarm is switched off and reported",
     daily(0, 8, 0) + once(1, 8, 0),
     {2026, 3, 16, 7, 45, 0},
     105,
     {"16.03 09:01:00 CET missed #1"},
     {I{I::kSuspend, {2026, 3, 16, 7, 50, 0}, {2026, 3, 16, 9, 1, 0}}},
     {0}},
    {"a jump past the late limit: a dated alarm is reported and stays on, a weekly one waits",
     dated(0, 7, 0, "16.03") + daily(1, 7, 0),
     {2026, 3, 16, 6, 59, 0},
     120,
     {"16.03 08:30:00 CET missed #0"},
     {I{I::kSuspend, {2026, 3, 16, 6, 59, 30}, {2026, 3, 16, 8, 30, 0}}},
     {0, 1}},
    {"asleep through the night: the once-alarm is reported, and does not ring the next day",
     daily(0, 7, 0) + once(1, 7, 15) + once(2, 9, 30),
     {2026, 3, 16, 22, 0, 0},
     36 * 60,
     {"17.03 09:00:00 CET missed #1", "17.03 09:30:00 CET warn", "17.03 09:30:00 CET #2",
      "18.03 07:00:00 CET warn", "18.03 07:00:00 CET #0"},
     {I{I::kSuspend, {2026, 3, 16, 23, 0, 0}, {2026, 3, 17, 9, 0, 0}}},
     {0}},
    {"suspended before the first check after a start: the alarm fires at resume",
     daily(0, 8, 0),
     {2026, 3, 16, 8, 1, 0},
     3,
     {"16.03 08:01:00 CET #0"},
     {},
     {0},
     {},
     {2026, 3, 16, 7, 59, 41}},
    {"the load's own minute is this run's; nothing before it is missed",
     daily(0, 8, 0) + once(1, 7, 0),
     {2026, 3, 16, 8, 1, 0},
     3,
     {"16.03 08:01:00 CET #0"},
     {},
     {0, 1},
     {},
     {2026, 3, 16, 8, 0, 30}},
    {"missed across midnight: the schedule of the alarm's own day counts",
     daily(0, 23, 50) + "0_atWeekDay_0=0\r\n0_atWeekDay_2=0\r\n", // Monday, not Sun, Tue
     {2026, 3, 16, 23, 30, 0},
     60,
     {"17.03 00:10:00 CET #0"},
     {I{I::kSuspend, {2026, 3, 16, 23, 40, 0}, {2026, 3, 17, 0, 10, 0}}},
     {0}},
    {"a date slot without a date, missed before midnight, fires after it",
     "0_Use=1\r\n0_atDate=1\r\n0_Hour=23\r\n0_Minute=50\r\n",
     {2026, 3, 16, 23, 30, 0},
     60,
     {"17.03 00:10:00 CET #0"},
     {I{I::kSuspend, {2026, 3, 16, 23, 40, 0}, {2026, 3, 17, 0, 10, 0}}},
     {0}},
    {"a once-alarm that cannot be written off fires at the first check that can",
     once(0, 8, 0),
     {2026, 3, 16, 7, 59, 50},
     2,
     {"16.03 08:00:00 CET warn", "16.03 08:00:15 CET #0"},
     {},
     {},
     {2026, 3, 16, 8, 0, 12}},
};
INSTANTIATE_TEST_SUITE_P(LateChecks, AlarmCheckDays, testing::ValuesIn(kLateChecks));

const Scenario kDaylightSavingDays[] = {
    {"spring: an alarm in the skipped hour fires at the first minute after it",
     daily(0, 2, 30),
     {2026, 3, 29, 0, 0, 0},
     5 * 60,
     {"29.03 03:00:00 CEST #0"},
     {},
     {0}},
    {"spring: a Sunday alarm at 02:00 too",
     daily(0, 2, 0) + "0_atWeekDay_1=0\r\n0_atWeekDay_2=0\r\n0_atWeekDay_3=0\r\n"
                      "0_atWeekDay_4=0\r\n0_atWeekDay_5=0\r\n0_atWeekDay_6=0\r\nAccuracy=10\r\n",
     {2026, 3, 28, 0, 0, 0},
     2 * 24 * 60,
     {"29.03 03:00:00 CEST #0"},
     {},
     {0}},
    {"autumn: an alarm in the repeated hour fires on its first occurrence only",
     daily(0, 2, 30, 5) + daily(1, 3, 0),
     {2026, 10, 25, 0, 0, 0},
     5 * 60,
     {"25.10 02:25:00 CEST warn", "25.10 02:30:00 CEST #0", "25.10 03:00:00 CET warn",
      "25.10 03:00:00 CET #1"},
     {},
     {0, 1}},
    {"spring: lateness across the gap is real time (30 minutes, 90 on the clock)",
     daily(0, 1, 50),
     {2026, 3, 29, 1, 40, 0},
     120,
     {"29.03 03:20:00 CEST #0"},
     {I{I::kSuspend, {2026, 3, 29, 1, 45, 0}, {2026, 3, 29, 3, 20, 0}}},
     {0}},
    {"autumn: lateness across the change is real time (75 minutes, 15 on the clock)",
     daily(0, 1, 50),
     {2026, 10, 25, 1, 40, 0},
     120,
     {},
     {I{I::kSuspend, {2026, 10, 25, 1, 45, 0}, {2026, 10, 25, 2, 5, 0, 0}}}, // to 02:05 CET
     {0}},
};
INSTANTIATE_TEST_SUITE_P(DaylightSavingDays, AlarmCheckDays,
                         testing::ValuesIn(kDaylightSavingDays));

TEST(AlarmSlots, EachReaderHasItsOwnDefaults) {
    TempDir dir;
    writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Alarms]\r\n3_Use=1\r\n3_Hour=7\r\n3_Minute=5\r\n"
                                  "4_Use=1\r\n4_Hour=abc\r\n");
    const AlarmSettings a = readAlarmSettings(IniFile(dir / "kOkTD.KiF").snapshot());
    EXPECT_EQ(menuCaption(3, a.slot[3]), "3.   7 ч 5 м ");
    for (int n : {0, 4}) {
        EXPECT_EQ(menuCaption(n, a.slot[n]), std::to_string(n) + ".   0 ч 0 м ");
        EXPECT_EQ(a.slot[n].hour, 12);
    }
    EXPECT_EQ(a.slot[0].date, ""); // no date: every day
    AlarmSlot dated = a.slot[0];
    dated.atDate = true;
    EXPECT_TRUE(dueOn(dated, LocalTime{2026, 1, 1}));
    EXPECT_EQ(a.accuracySeconds, 5);
    EXPECT_EQ(activeSlots(a), 2);
}

// A hand-edited warning outside the alarm page's 0..60 minutes is brought into
// it; one that comes unread in a slot cannot overflow the warning minute.
TEST(AlarmSlots, WarningMinutesAreKeptInRange) {
    TempDir dir;
    writeBytes(dir / "kOkTD.KiF", "[kOk:TD:Alarms]\r\n0_Warn=2147483647\r\n1_Warn=-2147483648\r\n"
                                  "2_Warn=61\r\n3_Warn=-1\r\n4_Warn=60\r\n");
    const AlarmSettings a = readAlarmSettings(IniFile(dir / "kOkTD.KiF").snapshot());
    const int expected[] = {60, 0, 60, 0, 60};
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(a.slot[n].warn, expected[n]) << "slot " << n;

    FixedTimeZone zone;
    TestClock clock(2026, 3, 16, 8, 1, 0); // INT_MAX minutes wrapped into 32 bits would be -1
    AlarmSettings huge;
    huge.slot[0].use = huge.slot[0].atOnce = true;
    huge.slot[0].hour = 8;
    huge.slot[0].warn = INT_MAX;
    EXPECT_FALSE(AlarmCheck().evaluate(huge, clock.now(), false, false).warn);
}

} // namespace

// A check that did not run because no slot was on finds nothing missed when a
// slot comes on again; without the new start its old previous check would.
TEST(AlarmCheck, StartForgetsTheTimeTheCheckWasStopped) {
    FixedTimeZone zone;
    AlarmSettings a;
    a.slot[0].use = true;
    a.slot[0].atWeek = true;
    a.slot[0].weekDays.fill(true);
    a.slot[0].hour = 7;
    a.slot[0].minute = 10;
    for (const bool restart : {false, true}) {
        AlarmCheck check;
        TestClock clock(2026, 12, 8, 6, 50);
        check.accept(check.evaluate(a, clock.now(), false, false), clock.now());
        clock.set(2026, 12, 8, 7, 30);
        if (restart) check.start(clock.now());
        EXPECT_EQ(check.evaluate(a, clock.now(), false, false).fire.has_value(), !restart);
    }
}
