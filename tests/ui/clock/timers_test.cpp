#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "clock/clock_window.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/test_clock.h"
#include "support/time_zone.h"
#include "timers/timer_state.h"

using kok::clock::ClockWindow;

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
            QVERIFY(part<QTimer>(w, "tt_timer")->isActive());
            QVERIFY(stateFileExists());

            clock.set(2026, 12, 8, 10, 10, 0);
            w.i_timerClick(); // pause
            QVERIFY(!part<QTimer>(w, "tt_timer")->isActive());
            clock.set(2026, 12, 8, 10, 15, 0);
            w.reshow();
            QCOMPARE(indicator(w), QString("00:10:00")); // still paused
            QVERIFY(!part<QTimer>(w, "tt_timer")->isActive());
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
        QVERIFY(part<QTimer>(again, "tt_timer")->isActive());
        part<QAction>(again, "mt_start_tmr")->trigger(); // stop
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
        QVERIFY(part<QTimer>(w, "tt_countdown")->isActive());
        part<QAction>(w, "mt_start_cdn")->trigger(); // and the countdown
        QVERIFY(!stateFileExists());
        QVERIFY(!part<QTimer>(w, "tt_countdown")->isActive());
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
        QVERIFY(!part<QTimer>(w, "tt_time")->isActive());
        part<QAction>(w, "mt_start_cdn")->trigger();
        QVERIFY(part<QTimer>(w, "tt_time")->isActive());
        QCOMPARE(indicator(w, "t_time"), QString("12:00:00"));
    }
};

// The check of an alarm whose pre-warning waits on the sound card lets the
// next check run inside that wait; the alarm still shows once.
class AlarmFiringTest : public QObject {
    Q_OBJECT

  private slots:
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
        connect(&w.messageBar(), &kok::signal::MessageBar::showingChanged, this,
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
