// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "dialog/settings_dialog.h"
#include "dialog/stopwatch_page.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/test_clock.h"
#include "timers/timer_state.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::SettingsDialog;
using kok::dialog::StopwatchPage;
using kok::test::FakeClockLink;
namespace keys = kok::settings;

namespace {

QStringList info(StopwatchPage& page) {
    QStringList texts;
    for (const char* name : {"v_start", "v_current", "v_missed", "v_timer"})
        texts << part<QLabel>(page, name)->text();
    return texts;
}

bool enabled(StopwatchPage& page, const char* name) {
    return part<QPushButton>(page, name)->isEnabled();
}

void writeState(const std::string& stopwatchSection) {
    kok::test::writeBytes(kok::timers::timerStatePath(),
                          "[kOk:TD:Timer:tmr]\r\n" + stopwatchSection);
}

std::string savedKey(int n) {
    return keys::openSettings().readString("kOk:TD:Timer", keys::timer::savedKey(n), "?");
}

} // namespace

class StopwatchPageTest : public QObject {
    Q_OBJECT

  private slots:
    // The refresh shows the state file of a counting stopwatch and dashes
    // otherwise; pause and resume switch the buttons and the missed time;
    // stop and clear goes through the clock.
    void refreshPauseResumeAndStop() {
        kok::test::ProgramFolder folder;
        kok::test::TestClock time(2026, 12, 8, 10, 20, 0);
        FakeClockLink clock;
        StopwatchPage page(clock);
        page.refresh();
        QCOMPARE(info(page), (QStringList{"-", "-", "-", "-"}));
        for (const char* name : {"b_save1", "b_save5", "b_pause_timer", "b_reset"})
            QVERIFY2(!enabled(page, name), name);

        clock.stopwatch = FakeClockLink::Running;
        writeState("StartTime=10:00:00\r\nStartHour=10\r\nStartMinute=0\r\nStartSecond=0\r\n"
                   "Dropped=180\r\n");
        page.refresh();
        page.showClockTime("10:20:00");
        page.showStopwatchTime("00:17:00");
        QCOMPARE(info(page), (QStringList{"10:00:00", "10:20:00", "00:03:00", "00:17:00"}));
        for (const char* name : {"b_save1", "b_save5", "b_pause_timer", "b_reset"})
            QVERIFY2(enabled(page, name), name);
        QVERIFY(!enabled(page, "b_resume_timer"));

        part<QPushButton>(page, "b_pause_timer")->click();
        QCOMPARE(clock.stopwatch, FakeClockLink::Paused);
        QCOMPARE(info(page), (QStringList{"10:00:00", "-- : -- : --", "-- : -- : --", "00:17:00"}));
        QVERIFY(!enabled(page, "b_pause_timer") && !enabled(page, "b_save3"));
        QVERIFY(enabled(page, "b_resume_timer") && enabled(page, "b_reset"));
        page.showClockTime("10:21:00"); // no current time while paused
        QCOMPARE(info(page)[1], QString("-- : -- : --"));

        writeState("StartTime=10:00:00\r\nStartHour=10\r\nStartMinute=0\r\nStartSecond=0\r\n"
                   "Dropped=480\r\n"); // the clock added the pause
        part<QPushButton>(page, "b_resume_timer")->click();
        QCOMPARE(clock.stopwatch, FakeClockLink::Running);
        QCOMPARE(info(page)[2], QString("00:08:00"));
        QVERIFY(enabled(page, "b_pause_timer") && enabled(page, "b_save3"));
        QVERIFY(!enabled(page, "b_resume_timer"));

        part<QPushButton>(page, "b_reset")->click();
        QCOMPARE(clock.stopwatch, FakeClockLink::Stopped);
        QCOMPARE(info(page), (QStringList{"-", "-", "-", "-"}));
        QVERIFY(!enabled(page, "b_reset"));
        QVERIFY(!enabled(page, "b_resume_timer")); // nothing to resume once stopped

        // Paused from the clock's button while the dialog was hidden: the
        // page opens ready to resume.
        clock.stopwatch = FakeClockLink::Paused;
        page.refresh();
        QVERIFY(enabled(page, "b_resume_timer") && !enabled(page, "b_pause_timer"));
    }

    // A remembered reading is written at once and survives Cancel, as does
    // clearing them; OK writes the labels and the button mode.
    void readingsAreWrittenAtOnce() {
        kok::test::ProgramFolder folder;
        kok::test::TestClock time(2026, 12, 8, 10, 12, 5);
        FakeClockLink clock;
        clock.stopwatch = FakeClockLink::Running;
        writeState("StartTime=10:00:00\r\nStartHour=10\r\nStartMinute=0\r\nStartSecond=0\r\n"
                   "Dropped=0\r\n");
        SettingsDialog dialog(clock);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Timer);
        dialog.showClockTime("10:12:05");
        dialog.showStopwatchTime("00:12:05");
        part<QPushButton>(dialog, "b_save2")->click();
        const std::string reading = "00:12:05  [с 10:00:00 до 10:12:05]";
        QCOMPARE(part<QLabel>(dialog, "t_save2")->text().toStdString(), reading);
        QCOMPARE(savedKey(2), reading);
        part<QPushButton>(dialog, "c_cancel")->click();
        QCOMPARE(savedKey(2), reading);

        dialog.openSection(SettingsDialog::Timer);
        QCOMPARE(part<QLabel>(dialog, "t_save2")->text().toStdString(), reading);
        part<QPushButton>(dialog, "b_clear")->click();
        part<QPushButton>(dialog, "c_cancel")->click();
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(savedKey(n), std::string("-"));

        dialog.openSection(SettingsDialog::Timer);
        part<QPushButton>(dialog, "b_save5")->click();
        part<QRadioButton>(dialog, "o_pause")->click();
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(savedKey(5), reading);
        QCOMPARE(keys::openSettings().readInteger("kOk:TD:Timer", "Terminate", -1), 0);
    }
};

KOK_QT_TEST(StopwatchPageTest);
#include "stopwatch_page_test.moc"
