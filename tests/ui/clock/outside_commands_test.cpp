// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown and the alarm switches changed from outside the Settings
// dialog (the command line, D-Bus, the menu) while it shows: its pages follow,
// and its OK keeps what was done.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "commands/clock_commands.h"
#include "dialog/settings_dialog.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"
#include "support/test_clock.h"
#include "support/time_zone.h"
#include "timers/timers.h"

using kok::dialog::SettingsDialog;

namespace {

// What happens outside the dialog while it shows.
enum Outside {
    CountdownFromCommandLine, // --countdown 1:30 on an idle countdown
    CountdownAnewUnlocked,    // --countdown 1:30 on a running one, the page's lock opened
    CountdownStop,            // --countdown stop
    CountdownFromMenu,        // the menu's start item
    AlarmOnShown,             // --alarm 3 on, slot 3 on the page
    AlarmOffNotShown,         // --alarm 5 off, slot 0 on the page
};

} // namespace

class OutsideCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogFollowsAndOkKeepsIt_data() {
        QTest::addColumn<int>("outside");
        QTest::addColumn<bool>("runningBefore");
        QTest::addColumn<QString>("box");     // the check box the page shows it with
        QTest::addColumn<bool>("boxChecked"); // right after the command
        QTest::addColumn<QString>("key");     // "section/key" read after OK
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("left"); // the countdown's seconds left after OK; -1: stopped
        QTest::newRow("countdown from the command line")
            << int(CountdownFromCommandLine) << false << "o_cdn_on" << true
            << "kOk:TD:Timer/CountDown" << 90 << 85;
        QTest::newRow("countdown anew over an opened lock")
            << int(CountdownAnewUnlocked) << true << "o_cdn_on" << true << "kOk:TD:Timer/CountDown"
            << 90 << 85;
        QTest::newRow("countdown stopped")
            << int(CountdownStop) << true << "o_cdn_on" << false << "kOk:TD:Timer/Use" << 0 << -1;
        QTest::newRow("countdown from the menu") << int(CountdownFromMenu) << false << "o_cdn_on"
                                                 << true << "kOk:TD:Timer/Use" << 1 << 95;
        QTest::newRow("alarm switched on, its slot shown")
            << int(AlarmOnShown) << false << "o_alarm_on" << true << "kOk:TD:Alarms/3_Use" << 1
            << -1;
        QTest::newRow("alarm switched off, another slot shown")
            << int(AlarmOffNotShown) << false << "o_alarm_on" << true << "kOk:TD:Alarms/5_Use" << 0
            << -1;
    }

    void dialogFollowsAndOkKeepsIt() {
        QFETCH(int, outside);
        QFETCH(bool, runningBefore);
        QFETCH(QString, box);
        QFETCH(bool, boxChecked);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, left);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 9, 10, 0, 0);
        kok::test::writeBytes(kok::settings::settingsFilePath(),
                              "[kOk:TD:Timer]\r\nCountDown=100\r\nSound=0\r\nBeep=0\r\n"
                              "[kOk:TD:Alarms]\r\n0_Use=1\r\n0_Hour=7\r\n3_Use=0\r\n3_Hour=8\r\n"
                              "5_Use=1\r\n5_Hour=9\r\n");
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        kok::commands::ClockCommands& c = w.parts().commands();
        kok::timers::Countdown& countdown = w.parts().timers().countdown();
        if (runningBefore) c.startCountdown(0); // its set length, 100
        QCOMPARE(countdown.running(), runningBefore);
        for (int i = 0; i < 6; ++i) // the dialog's lock runs out
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        const bool alarm = outside == AlarmOnShown || outside == AlarmOffNotShown;
        dialog.openSection(alarm ? SettingsDialog::Alarm : SettingsDialog::Countdown);
        if (outside == AlarmOnShown) part<QComboBox>(dialog, "c_alarms")->setCurrentIndex(3);
        auto* change = part<QPushButton>(dialog, "b_change");
        QCOMPARE(change->isVisible(), runningBefore && !alarm);
        if (outside == CountdownAnewUnlocked) change->click(); // OK would start it anew

        switch (Outside(outside)) {
        case CountdownFromCommandLine:
        case CountdownAnewUnlocked:
            c.startCountdown(90);
            break;
        case CountdownStop:
            c.stopCountdown();
            break;
        case CountdownFromMenu:
            part<QAction>(w, "mt_start_cdn")->trigger();
            break;
        case AlarmOnShown:
            QVERIFY(c.switchAlarm(3, true));
            break;
        case AlarmOffNotShown:
            QVERIFY(c.switchAlarm(5, false));
            break;
        }
        QCOMPARE(part<QCheckBox>(dialog, box.toLatin1().constData())->isChecked(), boxChecked);
        if (!alarm) {
            // The page shows the length it runs for, locked while it runs.
            QCOMPARE(part<QLineEdit>(dialog, "e_secs")->text().toInt(),
                     kok::settings::openSettings().readInteger("kOk:TD:Timer", "CountDown", -1));
            QCOMPARE(change->isVisible(), left >= 0);
        }

        clock.advanceSeconds(5);
        part<QPushButton>(dialog, "c_ok")->click();
        QVERIFY(!dialog.isVisible());
        const QStringList where = key.split('/');
        QCOMPARE(kok::settings::openSettings().readInteger(where[0].toStdString(),
                                                           where[1].toStdString(), -1),
                 value);
        QCOMPARE(countdown.running(), left >= 0);
        if (left >= 0) QCOMPARE(countdown.secondsLeft(), left); // neither anew nor undone
        if (alarm) {                                            // the other slots as they were
            QCOMPARE(kok::settings::openSettings().readInteger("kOk:TD:Alarms", "0_Use", -1), 1);
            QCOMPARE(part<QAction>(w, outside == AlarmOnShown ? "ma_3" : "ma_5")->isChecked(),
                     outside == AlarmOnShown);
        }
    }
};

KOK_QT_TEST(OutsideCommandsTest);
#include "outside_commands_test.moc"
