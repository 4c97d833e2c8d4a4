#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "clock/clock_window.h"
#include "platform/tick_timer.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "support/clock_window_inside.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/test_clock.h"
#include "support/time_zone.h"
#include "timers/timer_state.h"

using kok::clock::ClockWindow;
using kok::test::inside;

// The countdown and the stopwatch in a real clock window, with the test clock
// held still between steps; a show-time load (hide and show) stands in for
// the next tick's reading where the tick itself would wait a real second.
class TimersTest : public QObject {
    Q_OBJECT

    static bool stateFileExists() { return std::filesystem::exists(kok::timers::timerStatePath()); }
    static QString indicator(ClockWindow& w, const char* name = "t_timer") {
        return part<QLabel>(w, name)->text();
    }

  private slots:
    // Start, pause across loads, resume, and a restart after ten minutes away.
    void stopwatchPausesAcrossLoadsAndCountsTheTimeAway() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 10, 0, 0);
        {
            ClockWindow w("");
            w.show();
            part<QAction>(w, "mt_mode_pause")->trigger();
            part<QAction>(w, "mt_start_tmr")->trigger();
            QCOMPARE(indicator(w), QString("00:00:00"));
            QVERIFY(part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            QVERIFY(stateFileExists());

            clock.set(2026, 12, 8, 10, 10, 0);
            w.i_timerClick(); // pause
            QVERIFY(!part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            clock.set(2026, 12, 8, 10, 15, 0);
            w.reshow();
            QCOMPARE(indicator(w), QString("00:10:00")); // still paused
            QVERIFY(!part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            w.i_timerClick(); // resume
            clock.set(2026, 12, 8, 10, 20, 0);
            w.reshow();
            QCOMPARE(indicator(w), QString("00:15:00"));
        }
        // Ten minutes without the program: the count includes them.
        clock.set(2026, 12, 8, 10, 30, 0);
        ClockWindow again("/reboot");
        again.show();
        QCOMPARE(indicator(again), QString("00:25:00"));
        QVERIFY(part<kok::platform::TickTimer>(again, "tt_timer")->isActive());
        part<QAction>(again, "mt_start_tmr")->trigger(); // stop
        QVERIFY(!stateFileExists());

        // The dialog's pause and resume leave a stopped stopwatch stopped.
        again.resumeStopwatch();
        again.pauseStopwatch();
        QVERIFY(!part<kok::platform::TickTimer>(again, "tt_timer")->isActive());
        QVERIFY(!again.stopwatchPaused());
        QVERIFY(!stateFileExists());
    }

    // Both timers share the state file; it goes with the last of them.
    void theStateFileGoesWithTheLastTimer() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 12, 0, 0);
        ClockWindow w("");
        w.show();
        part<QAction>(w, "mt_start_cdn")->trigger();
        QCOMPARE(indicator(w), QString("00:01:40"));
        part<QAction>(w, "mt_start_tmr")->trigger();
        part<QAction>(w, "mt_start_tmr")->trigger(); // the stopwatch stops
        QVERIFY(stateFileExists());
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_countdown")->isActive());
        part<QAction>(w, "mt_start_cdn")->trigger(); // and the countdown
        QVERIFY(!stateFileExists());
        QVERIFY(!part<kok::platform::TickTimer>(w, "tt_countdown")->isActive());
        QCOMPARE(part<QAction>(w, "mt_start_cdn")->text(),
                 QString("Запустить таймер обратного отсчёта"));
    }

    // A skin without the timer indicator: the countdown takes the time
    // indicator and the clock's tick stops until it ends.
    void withOneIndicatorTheCountdownTakesTheClocksPlace() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 12, 0, 0);
        namespace skins = kok::settings::skins;
        auto ini = kok::settings::openSettings();
        for (bool xp : {false, true})
            ini.writeString(skins::kName, skins::familyKey(xp, skins::kSkinName), "def");
        ClockWindow w("");
        w.show();
        QVERIFY(!w.hasTimerIndicator());
        part<QAction>(w, "mt_start_cdn")->trigger();
        QCOMPARE(indicator(w, "t_time"), QString("00:01:40"));
        QVERIFY(!part<kok::platform::TickTimer>(w, "tt_time")->isActive());
        part<QAction>(w, "mt_start_cdn")->trigger();
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_time")->isActive());
        QCOMPARE(indicator(w, "t_time"), QString("12:00:00"));
    }
};

// The alarm check in a real clock window.
class AlarmFiringTest : public QObject {
    Q_OBJECT

    static std::int64_t msOfDay(const kok::platform::LocalTime& t) {
        return t.secondOfDay() * 1000LL + t.msec;
    }

  private slots:
    // Checks land just past the wall clock's multiples of Accuracy, so an
    // alarm shows at the start of its minute. A firing puts the next check a
    // minute away, a dismissal within the warning lock on second 1 of the next
    // minute, and the multiples resume after it.
    void checksLandOnMultiplesOfTheirPeriod_data() {
        QTest::addColumn<int>("accuracy");
        for (int a : {1, 5, 10})
            QTest::addRow("Accuracy %d", a) << a;
    }
    void checksLandOnMultiplesOfTheirPeriod() {
        QFETCH(int, accuracy);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8);
        clock.set(2026, 12, 8, 7, 59, 41, 300);
        kok::settings::openSettings().update([&](kok::settings::IniUpdate& ini) {
            // Warned at 07:30 and without a beep, so that no sound holds the test.
            for (const auto& [key, value] : {std::pair{"Accuracy", accuracy},
                                             {"0_Use", 1},
                                             {"0_atWeek", 1},
                                             {"0_Hour", 8},
                                             {"0_Warn", 30},
                                             {"0_Beep", 0}})
                ini.writeInteger("kOk:TD:Alarms", key, value);
        });
        ClockWindow w("");
        w.show();
        kok::platform::TickTimer* check = part<kok::platform::TickTimer>(w, "tt_alarm");
        // The check runs when its timer would fire: the test clock, which counts
        // whole milliseconds, moves on to just past that instant.
        const auto runCheck = [&] {
            clock.advanceMs((check->delay().count() + 999) / 1000);
            QVERIFY(QMetaObject::invokeMethod(check, "timeout"));
        };
        const auto nextLandsOn = [&](std::int64_t boundaryMs) {
            const std::int64_t atUs = msOfDay(clock.now()) * 1000 + check->delay().count();
            return atUs > boundaryMs * 1000 && atUs <= boundaryMs * 1000 + 1000;
        };
        const std::int64_t period = accuracy * 1000;
        for (int checks = 0; !inside(w).messageBar().showing(); ++checks) {
            QVERIFY2(checks < 20, "the alarm did not show");
            const std::int64_t now = msOfDay(clock.now());
            QVERIFY2(nextLandsOn((now / period + 1) * period), qPrintable(QString::number(now)));
            runCheck();
        }
        const std::int64_t eight = 8 * 3600 * 1000;
        QVERIFY(msOfDay(clock.now()) - eight <= 100);
        QVERIFY(nextLandsOn(eight + 60000)); // a minute after the firing

        clock.advanceMs(2500);
        w.p_messagerClick();
        QTRY_VERIFY(!inside(w).messageBar().showing());
        QVERIFY(nextLandsOn(eight + 61000)); // 08:01:01
        runCheck();
        QVERIFY(nextLandsOn((eight + 61000) / period * period + period));
    }

    // The check of an alarm whose pre-warning waits on the sound card lets the
    // next check run inside that wait; the alarm still shows once.
    void anAlarmFiresOnceWhileItsWarningWaits() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 8, 0, 0); // held still in the alarm's minute
        kok::settings::openSettings().update([](kok::settings::IniUpdate& ini) {
            ini.writeInteger("kOk:TD", "WarnBeep", 0); // the 1.5 s form
            for (const auto& [key, value] :
                 {std::pair{"Accuracy", 1}, {"0_Use", 1}, {"0_atWeek", 1}, {"0_Hour", 8}})
                ini.writeInteger("kOk:TD:Alarms", key, value);
        });
        ClockWindow w("");
        int shown = 0;
        connect(&inside(w).messageBar(), &kok::signal::MessageBar::showingChanged, this,
                [&](bool showing) { shown += showing ? 1 : 0; });
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 4000);
        QTest::qWait(1500); // the rest of the warning's wait and a check after it
        QCOMPARE(shown, 1);
    }
};

KOK_QT_TEST(TimersTest);
KOK_QT_TEST(AlarmFiringTest);
#include "timers_test.moc"
