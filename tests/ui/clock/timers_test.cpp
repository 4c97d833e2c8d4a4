// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <utility>

#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "platform/tick_timer.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/test_clock.h"
#include "support/time_zone.h"
#include "timers/timer_state.h"

using kok::clock::ClockWindow;
using kok::dialog::SettingsDialog;
using kok::test::inside;
namespace keys = kok::settings::timer;

namespace {

std::string timerKey(std::string_view key) {
    return kok::settings::openSettings().readString(keys::kName, key, "");
}

void useSkin(const char* name) {
    namespace skins = kok::settings::skins;
    auto ini = kok::settings::openSettings();
    for (bool xp : {false, true})
        ini.writeString(skins::kName, skins::familyKey(xp, skins::kSkinName), name);
}

// A clock with its settings dialog, OK open as six seconds after the start.
struct ClockWithDialog {
    kok::test::ComposedClock clock{""};
    SettingsDialog dialog{clock};
    ClockWithDialog() {
        clock.setSettingsDialog(&dialog);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        clock.show();
    }
    void tick(const char* timer) {
        QVERIFY(QMetaObject::invokeMethod(part<kok::platform::TickTimer>(clock, timer), "timeout"));
    }
    void ok() { part<QPushButton>(dialog, "c_ok")->click(); }
};

} // namespace

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
            kok::test::ComposedClock w("");
            w.show();
            part<QAction>(w, "mt_mode_pause")->trigger();
            part<QAction>(w, "mt_start_tmr")->trigger();
            QCOMPARE(indicator(w), QString("00:00:00"));
            QVERIFY(part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            QVERIFY(stateFileExists());

            clock.set(2026, 12, 8, 10, 10, 0);
            inside(w).stopwatch().i_timerClick(); // pause
            QVERIFY(!part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            clock.set(2026, 12, 8, 10, 15, 0);
            w.reshow();
            QCOMPARE(indicator(w), QString("00:10:00")); // still paused
            QVERIFY(!part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
            inside(w).stopwatch().i_timerClick(); // resume
            clock.set(2026, 12, 8, 10, 20, 0);
            w.reshow();
            QCOMPARE(indicator(w), QString("00:15:00"));
        }
        // Ten minutes without the program: the count includes them.
        clock.set(2026, 12, 8, 10, 30, 0);
        kok::test::ComposedClock again("/reboot");
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
        kok::test::ComposedClock w("");
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
        kok::test::ComposedClock w("");
        w.show();
        QVERIFY(!w.hasTimerIndicator());
        part<QAction>(w, "mt_start_cdn")->trigger();
        QCOMPARE(indicator(w, "t_time"), QString("00:01:40"));
        QVERIFY(!part<kok::platform::TickTimer>(w, "tt_time")->isActive());
        part<QAction>(w, "mt_start_cdn")->trigger();
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_time")->isActive());
        QCOMPARE(indicator(w, "t_time"), QString("12:00:00"));
    }

    // The stopwatch's tick reads the state file again only when its identity
    // changed: an edit in place that moves the modification time shows at the
    // next tick; one that keeps inode, size and time is not read. A reading
    // that counts from now is not kept.
    void stopwatchTickRereadsOnlyAChangedStateFile() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 10, 5, 0);
        kok::test::ComposedClock w("");
        w.show();
        part<QAction>(w, "mt_start_tmr")->trigger();
        clock.set(2026, 12, 8, 10, 9, 0);
        const auto path = kok::timers::timerStatePath();
        const auto editInPlace = [&](const std::string& from, const std::string& to,
                                     std::chrono::seconds timeMoves) {
            const auto modified = std::filesystem::last_write_time(path);
            std::string bytes = kok::test::readBytes(path);
            bytes.replace(bytes.find(from), from.size(), to);
            kok::test::writeBytes(path, bytes);
            std::filesystem::last_write_time(path, modified + timeMoves);
        };
        const auto tick = [&] {
            if (!QMetaObject::invokeMethod(part<kok::platform::TickTimer>(w, "tt_timer"),
                                           "timeout"))
                return QString("tt_timer has no timeout");
            return indicator(w);
        };
        QCOMPARE(tick(), QString("00:04:00"));
        editInPlace("StartMinute=5\r\n", "StartMinute=7\r\n", std::chrono::seconds(1));
        QCOMPARE(tick(), QString("00:02:00"));
        editInPlace("StartMinute=7\r\n", "StartMinute=1\r\n", std::chrono::seconds(0));
        QCOMPARE(tick(), QString("00:02:00"));
        // A lost start counts from each tick's own time.
        editInPlace("StartMinute=1\r\n", "StartMinute=61\r\n", std::chrono::seconds(2));
        QCOMPARE(tick(), QString("00:00:00"));
        clock.set(2026, 12, 8, 10, 9, 30);
        QCOMPARE(tick(), QString("00:00:00"));
    }
};

// The countdown and the stopwatch with the settings dialog open: its pages
// follow them, and its OK keeps what they do at that moment.
class TimersWithDialogTest : public QObject {
    Q_OBJECT

    static QStringList stopwatchPage(SettingsDialog& d) {
        QStringList state;
        for (const char* name : {"v_start", "v_current", "v_missed", "v_timer"})
            state << part<QLabel>(d, name)->text();
        for (const char* name :
             {"b_save1", "b_save5", "b_pause_timer", "b_resume_timer", "b_reset"})
            state << QString("%1=%2").arg(name).arg(part<QPushButton>(d, name)->isEnabled());
        return state;
    }

  private slots:
    // A countdown started from the menu while the dialog shows runs on
    // through OK; one that ends while it shows stays ended, and fires once.
    void okKeepsTheCountdownAsItIsAtOk() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 12, 0, 0);
        ClockWithDialog w;
        int bars = 0;
        connect(&inside(w.clock).messageBar(), &kok::signal::MessageBar::showingChanged, this,
                [&](bool showing) { bars += showing ? 1 : 0; });

        w.dialog.openSection(SettingsDialog::Countdown);
        part<QAction>(w.clock, "mt_start_cdn")->trigger();
        clock.set(2026, 12, 8, 12, 0, 20);
        w.ok();
        QVERIFY(w.clock.countdownRunning());
        QCOMPARE(timerKey(keys::kUse), std::string("1"));
        const kok::settings::IniFile state(kok::timers::timerStatePath());
        QCOMPARE(state.readInteger(kok::timers::kCountdownSection, "Start", -1), 12 * 3600);

        w.dialog.openSection(SettingsDialog::Countdown);
        QVERIFY(part<QPushButton>(w.dialog, "b_change")->isVisible());
        clock.set(2026, 12, 8, 12, 1, 40);
        w.tick("tt_countdown");
        QVERIFY(inside(w.clock).messageBar().showing());
        inside(w.clock).messageBar().p_messagerClick();
        QTRY_VERIFY(!inside(w.clock).messageBar().showing());
        w.ok();
        QVERIFY(!w.clock.countdownRunning());
        QVERIFY(!part<kok::platform::TickTimer>(w.clock, "tt_countdown")->isActive());
        QCOMPARE(timerKey(keys::kUse), std::string("0"));
        QVERIFY(!std::filesystem::exists(kok::timers::timerStatePath()));
        QCOMPARE(bars, 1);
    }

    // Every start, pause, resume and stop, from the page, the clock's button
    // or the menu, leaves the stopwatch page as a refresh from scratch shows
    // it, with the time of day whatever the skin.
    void stopwatchPageFollowsEveryChange_data() {
        QTest::addColumn<QString>("skin");
        QTest::newRow("two indicators") << "ext";
        QTest::newRow("one indicator") << "def";
    }
    void stopwatchPageFollowsEveryChange() {
        QFETCH(QString, skin);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 12, 0, 0);
        useSkin(skin.toLatin1().constData());
        ClockWithDialog w;
        part<QAction>(w.clock, "mt_mode_pause")->trigger();
        part<QAction>(w.clock, "mt_start_tmr")->trigger();
        clock.set(2026, 12, 8, 12, 0, 10);
        inside(w.clock).stopwatch().i_timerClick(); // paused before the dialog opens
        w.dialog.openSection(SettingsDialog::Timer);
        const auto click = [&](const char* name) {
            return [&w, name] { part<QPushButton>(w.dialog, name)->click(); };
        };
        const std::pair<int, std::function<void()>> steps[] = {
            {33, click("b_resume_timer")},
            {82, [&] { w.tick("tt_timer"); }},
            {90, [&] { inside(w.clock).stopwatch().i_timerClick(); }}, // pause
            {95, [&] { inside(w.clock).stopwatch().i_timerClick(); }}, // resume
            {99, click("b_pause_timer")},
            {100, click("b_reset")},
            {110, [&] { part<QAction>(w.clock, "mt_start_tmr")->trigger(); }},
            {111, [&] { w.tick("tt_timer"); }},
        };
        for (const auto& [second, step] : steps) {
            clock.set(2026, 12, 8, 12, second / 60, second % 60);
            step();
            const QStringList shown = stopwatchPage(w.dialog);
            w.dialog.refreshStopwatchPage();
            QCOMPARE(shown, stopwatchPage(w.dialog));
            if (second == 82) {
                part<QPushButton>(w.dialog, "b_save1")->click();
                QCOMPARE(part<QLabel>(w.dialog, "t_save1")->text(),
                         QString("00:00:59  [с 12:00:00 до 12:01:22 ~ 00:00:23]"));
            }
        }
        QCOMPARE(part<QLabel>(w.dialog, "v_current")->text(), QString("12:01:51"));
        QCOMPARE(part<QLabel>(w.dialog, "v_timer")->text(), QString("00:00:01"));
    }

    // A Timer state file that cannot be written stays, with the countdown's
    // times in it, and the countdown is not ended for want of them: it runs
    // on towards its end once the file can be written again. The uptime item
    // comes back after every failed start.
    void anUnwritableStateFileIsKept() {
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 8, 12, 1, 0);
        kok::settings::openSettings().update([](kok::settings::IniUpdate& s) {
            s.writeInteger(keys::kName, keys::kUse, 1);
            s.writeInteger("kOk:TD:Indicator", "SystemTime", 1);
        });
        const auto path = kok::timers::timerStatePath();
        kok::test::writeBytes(path, "[kOk:TD:Timer:cdn]\r\nStart=43200\r\nLimit=43800\r\n");
        const std::string bytes = kok::test::readBytes(path);
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        {
            kok::test::MessageCatcher boxes;
            kok::test::ComposedClock w("");
            w.show();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(!w.countdownRunning());
            for (const char* start : {"mt_start_cdn", "mt_start_tmr"}) {
                part<QAction>(w, start)->trigger();
                QVERIFY2(part<QAction>(w, "m_system")->isEnabled(), start);
                QVERIFY2(part<QTimer>(w, "tt_system")->isActive(), start);
            }
            QCOMPARE(boxes.texts.size(), 3);
        }
        QCOMPARE(kok::test::readBytes(path), bytes);

        std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_write);
        kok::settings::openSettings().writeInteger(keys::kName, keys::kUse, 1);
        clock.set(2026, 12, 8, 12, 2, 0);
        ClockWithDialog again;
        QVERIFY(again.clock.countdownRunning());
        again.tick("tt_countdown");
        QVERIFY(!inside(again.clock).messageBar().showing());
        QCOMPARE(indicator(again.clock), QString("00:08:00"));
    }

  private:
    static QString indicator(ClockWindow& w) { return part<QLabel>(w, "t_timer")->text(); }
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
        kok::test::ComposedClock w("");
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
        inside(w).messageBar().p_messagerClick();
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
        kok::test::ComposedClock w("");
        int shown = 0;
        connect(&inside(w).messageBar(), &kok::signal::MessageBar::showingChanged, this,
                [&](bool showing) { shown += showing ? 1 : 0; });
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 30000);
        QTest::qWait(1500); // the rest of the warning's wait and a check after it
        QCOMPARE(shown, 1);
    }
};

KOK_QT_TEST(TimersTest);
KOK_QT_TEST(TimersWithDialogTest);
KOK_QT_TEST(AlarmFiringTest);
#include "timers_test.moc"
