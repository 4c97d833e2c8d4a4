// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "dialog/settings_dialog.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/test_clock.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::SettingsDialog;
using kok::test::FakeClockLink;
namespace keys = kok::settings;

namespace {

const char* const kSection = "kOk:TD:Alarms";

// The dialog on the alarm page, its lock open, in a fresh program folder on
// 9 March 2026.
struct AlarmDialog {
    explicit AlarmDialog(const std::string& settings = {}) {
        if (!settings.empty()) kok::test::writeBytes(keys::settingsFilePath(), settings);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Alarm);
    }
    QLineEdit* edit(const char* name) { return part<QLineEdit>(dialog, name); }
    bool ticked(const char* name) { return part<QAbstractButton>(dialog, name)->isChecked(); }
    bool enabled(const char* name) { return part<QWidget>(dialog, name)->isEnabled(); }
    void type(const char* field, const QString& text) {
        edit(field)->selectAll();
        QTest::keyClicks(edit(field), text);
    }
    void slot(int n) { part<QComboBox>(dialog, "c_alarms")->setCurrentIndex(n); }
    std::string copied(const std::string& key) {
        return keys::IniFile(keys::programFilePath(keys::kAlarmWorkingCopyName))
            .readString(kSection, key, "(missing)");
    }
    std::string saved(const std::string& key) {
        return keys::openSettings().readString(kSection, key, "(missing)");
    }
    void click(const char* button) { part<QAbstractButton>(dialog, button)->click(); }

    kok::test::ProgramFolder folder;
    kok::test::TestClock clock{2026, 3, 9, 10, 0};
    kok::platform::ClockOverride useClock{clock};
    FakeClockLink link;
    SettingsDialog dialog{link};
};

} // namespace

class AlarmPageTest : public QObject {
    Q_OBJECT

  private slots:
    // A slot never saved opens with the dialog's defaults; every edit is
    // written into the working copy at once and makes the slot active.
    void aNewSlotShowsTheDefaultsAndAnEditActivatesIt() {
        AlarmDialog d;
        QCOMPARE(part<QComboBox>(d.dialog, "c_alarms")->currentText(),
                 QStringLiteral("БУДИЛЬНИК #0"));
        d.slot(3);
        const std::pair<const char*, const char*> shown[] = {
            {"e_hrs_alarm", "12"},  {"e_min_alarm", "0"},
            {"e_sec_alarm", "0"},   {"e_day", "09"},
            {"e_month", "03"},      {"e_pre", "1"},
            {"e_after_alarm", "5"}, {"e_sound_alarm", "MEDIA\\LOGOFF.wAv"},
        };
        for (auto [name, text] : shown)
            QCOMPARE(d.edit(name)->text(), QString::fromUtf8(text));
        QCOMPARE(d.edit("e_message_alarm")->text(),
                 QStringLiteral("ПРИВЕТ!          [ СООБЩЕНИЕ В МОМЕНТ СРАБАТЬIВАНИЯ ЭТОГО "
                                "БУДИЛЬНИКА ]"));
        for (const char* on : {"o_wday", "o_wd0", "o_wd1", "o_wd2", "o_wd3", "o_wd4", "o_wd5",
                               "o_wd6", "o_beep_alarm", "o_2_alarm", "o_accuracy_5"})
            QVERIFY2(d.ticked(on), on);
        for (const char* off : {"o_alarm_on", "o_sound_alarm", "o_app_alarm", "o_once", "o_date"})
            QVERIFY2(!d.ticked(off), off);
        for (const char* grey :
             {"e_day", "a_day", "e_month", "a_month", "e_sound_alarm", "t_sound_alarm",
              "b_sound_alarm", "o_loop_alarm", "e_app_alarm", "t_app_alarm", "b_app_alarm"})
            QVERIFY2(!d.enabled(grey), grey);
        QVERIFY(d.enabled("o_wd3") && d.enabled("o_4_alarm") && d.enabled("t_beep_alarm"));
        QVERIFY(d.edit("e_sec_alarm")->isReadOnly());

        d.type("e_min_alarm", "45");
        QVERIFY(d.ticked("o_alarm_on"));
        QCOMPARE(d.copied("3_Minute"), "45");
        QCOMPARE(d.copied("3_Use"), "1");
        QCOMPARE(d.copied("0_Use"), "0"); // only the chosen slot

        // The arrows step from the field's value and stop at the range's end.
        auto* arrows = part<QSpinBox>(d.dialog, "a_min_alarm");
        arrows->stepUp();
        QCOMPARE(d.edit("e_min_alarm")->text(), QStringLiteral("46"));
        QCOMPARE(d.copied("3_Minute"), "46");
        d.type("e_min_alarm", "59");
        arrows->stepUp();
        QCOMPARE(d.edit("e_min_alarm")->text(), QStringLiteral("59"));

        // Text that is no integer is reset and the reset written.
        d.type("e_hrs_alarm", "x");
        QCOMPARE(d.edit("e_hrs_alarm")->text(), QStringLiteral("0"));
        QCOMPARE(d.copied("3_Hour"), "0");

        // Regularity: the date fields only for a dated alarm, the week days
        // only by weekday, and exactly one flag on.
        d.click("o_date");
        QVERIFY(d.enabled("e_day") && d.enabled("a_month") && !d.enabled("o_wd1"));
        QCOMPARE(d.copied("3_atOnce") + d.copied("3_atDate") + d.copied("3_atWeek"), "010");
        d.type("e_day", "7");
        d.type("e_month", "12");
        QCOMPARE(d.copied("3_Date"), "07.12");
        d.type("e_day", "q");
        QCOMPARE(d.edit("e_day")->text(), QStringLiteral("1"));
        QCOMPARE(d.copied("3_Date"), "01.12");
        d.click("o_once");
        QVERIFY(!d.enabled("e_day") && !d.enabled("o_wd1"));
        QCOMPARE(d.copied("3_atOnce") + d.copied("3_atDate") + d.copied("3_atWeek"), "100");
        d.click("o_wday");
        d.click("o_wd0");
        QCOMPARE(d.copied("3_atWeekDay_0") + d.copied("3_atWeekDay_6"), "01");

        // The three event kinds grey their parts exactly while unticked.
        d.click("o_sound_alarm");
        QVERIFY(d.enabled("e_sound_alarm") && d.enabled("o_loop_alarm"));
        QCOMPARE(d.copied("3_Sound"), "1");
        d.click("o_3_alarm");
        QCOMPARE(d.copied("3_Type"), "3");
        d.click("o_beep_alarm");
        QVERIFY(!d.enabled("o_1_alarm") && !d.enabled("t_beep_alarm"));
        QCOMPARE(d.copied("3_Beep"), "0");
        d.click("o_app_alarm");
        QVERIFY(d.enabled("e_app_alarm") && d.enabled("b_app_alarm"));
        d.type("e_message_alarm", "Wake");
        QCOMPARE(d.copied("3_Message"), "Wake");

        // Unticking "active" is written and stays until the next change.
        d.click("o_alarm_on");
        QCOMPARE(d.copied("3_Use"), "0");
    }

    // Stored values come back as the radios and greys say; switching slots
    // shows each slot's own edits; OK saves them and the accuracy.
    void slotsKeepTheirEditsAndOkSavesThem() {
        AlarmDialog d("[kOk:TD:Alarms]\r\nAccuracy=10\r\n0_Use=1\r\n0_Hour=6\r\n0_Date=31.02\r\n"
                      "0_atOnce=1\r\n0_atWeek=0\r\n0_Sound=1\r\n0_Type=7\r\n1_Type=4\r\n");
        QVERIFY(d.ticked("o_accuracy_10") && d.ticked("o_alarm_on"));
        QCOMPARE(d.edit("e_day")->text() + d.edit("e_month")->text(), QStringLiteral("3102"));
        QVERIFY(d.ticked("o_once") && d.ticked("o_1_alarm"));
        QVERIFY(!d.enabled("e_day") && !d.enabled("o_wd1") && d.enabled("e_sound_alarm"));

        d.type("e_hrs_alarm", "7");
        d.type("e_message_alarm", "first");
        d.slot(1);
        QCOMPARE(d.edit("e_hrs_alarm")->text(), QStringLiteral("12"));
        QVERIFY(d.ticked("o_wday") && d.ticked("o_4_alarm") && !d.ticked("o_alarm_on"));
        QVERIFY(d.enabled("o_wd1") && !d.enabled("e_sound_alarm"));
        d.type("e_pre", "15");
        d.slot(0);
        QCOMPARE(d.edit("e_hrs_alarm")->text(), QStringLiteral("7"));
        QCOMPARE(d.edit("e_message_alarm")->text(), QStringLiteral("first"));
        QCOMPARE(d.edit("e_pre")->text(), QStringLiteral("1"));
        QVERIFY(d.ticked("o_once") && !d.enabled("o_wd1"));

        d.click("o_accuracy_1");
        d.click("c_ok");
        QVERIFY(!d.dialog.isVisible());
        const std::pair<const char*, const char*> saved[] = {
            {"Accuracy", "1"}, {"0_Hour", "7"},  {"0_Message", "first"}, {"0_Date", "31.02"},
            {"0_Type", "7"},   {"1_Warn", "15"}, {"1_Use", "1"},         {"2_Use", "0"},
        };
        // The pattern shows as 1 but was not chosen: the stored 7 stays (a
        // value shown another way is no edit until the user changes it).
        for (auto [key, value] : saved)
            QCOMPARE(d.saved(key), value);
    }

    // Cancel leaves the stored alarms as they were, but a click on "1 сек"
    // is stored at once and stays; the message field flashes red when the
    // page opens.
    void cancelKeepsTheAlarmsButNotTheAccuracy() {
        AlarmDialog d("[kOk:TD:Alarms]\r\n0_Hour=6\r\n");
        const QColor normal = d.edit("e_message_alarm")->palette().color(QPalette::Text);
        QVERIFY(normal != QColor(Qt::red));
        for (int count = 1; count <= 6; ++count) {
            QVERIFY(QMetaObject::invokeMethod(&d.dialog, "tt_focusTimer"));
            const QColor now = d.edit("e_message_alarm")->palette().color(QPalette::Text);
            QCOMPARE(now, count % 2 ? QColor(Qt::red) : normal);
        }

        d.type("e_hrs_alarm", "9");
        d.click("o_accuracy_1");
        QCOMPARE(d.saved("Accuracy"), "1");
        d.click("o_accuracy_10"); // only OK stores 10
        QCOMPARE(d.saved("Accuracy"), "1");
        d.click("c_cancel");
        QCOMPARE(d.saved("0_Hour"), "6");
        QCOMPARE(d.saved("0_Use"), "(missing)");

        d.dialog.openSection(SettingsDialog::Alarm);
        QVERIFY(d.ticked("o_accuracy_1"));
        QCOMPARE(d.edit("e_hrs_alarm")->text(), QStringLiteral("6"));
        QVERIFY(!d.ticked("o_alarm_on"));
    }

    // The page's groups and captions, and nothing of it outside the page.
    void groupTitlesAndFit() {
        AlarmDialog d;
        const std::pair<const char*, const char*> titles[] = {
            {"z_time", " в р е м я   с р а б а т ы в а н и я   ( чч : мм : сс ) "},
            {"z_date", " д а т а   с р а б а т ы в а н и я   ( число / месяц ) "},
            {"z_pre", " перед (мин) "},
            {"z_after", " после (мин) "},
            {"z_regularity", " р е г у л я р н о с т ь   с р а б а т ы в а н и я "},
            {"z_events", " с о б ы т и я "},
        };
        for (auto [name, title] : titles)
            QCOMPARE(part<QGroupBox>(d.dialog, name)->title(), QString::fromUtf8(title));
        QWidget* page = part<QWidget>(d.dialog, "tab_alarm");
        QCOMPARE(page->size(), QSize(460, 220));
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
};

KOK_QT_TEST(AlarmPageTest);
#include "alarm_page_test.moc"
