// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "dialog/countdown_page.h"
#include "dialog/settings_dialog.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "timers/countdown_range.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::CountdownPage;
using kok::dialog::SettingsDialog;
using kok::test::FakeClockLink;
namespace keys = kok::settings;

namespace {

// Types over the field's whole text, as a user who selected it all.
void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

QStringList durationTexts(CountdownPage& page) {
    QStringList texts;
    for (const char* name : {"e_hrs_cdn", "e_min_cdn", "e_sec_cdn", "e_secs"})
        texts << part<QLineEdit>(page, name)->text();
    return texts;
}

void loadFrom(CountdownPage& page, const std::string& timerSection) {
    kok::test::writeBytes(keys::settingsFilePath(), "[kOk:TD:Timer]\r\n" + timerSection);
    page.load(keys::openSettings().snapshot(), kok::dialog::SettingsGroup::Timer);
    page.loaded();
}

} // namespace

class CountdownPageTest : public QObject {
    Q_OBJECT

  private slots:
    // Both views of the duration follow each other key by key, whichever is
    // typed in; the limits, the ten-second minimum and the fallback apply when
    // the field is left, so that what is typed stands while it is typed.
    void durationViewsStayInStep_data() {
        QTest::addColumn<int>("stored"); // CountDown in the file
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");      // "\b" is Backspace
        QTest::addColumn<QStringList>("typing"); // hours, minutes, seconds, total
        QTest::addColumn<QStringList>("left");
        const QStringList same;
        QTest::newRow("3661 s") << 30 << "e_secs"
                                << "3661" << same << QStringList{"1", "1", "1", "3661"};
        QTest::newRow("21599 s") << 30 << "e_secs"
                                 << "21599" << same << QStringList{"5", "59", "59", "21599"};
        QTest::newRow("no total") << 30 << "e_secs"
                                  << "\b" << QStringList{"0", "0", "30", ""}
                                  << QStringList{"0", "1", "40", "100"};
        QTest::newRow("no hours") << 30 << "e_hrs_cdn"
                                  << "\b" << QStringList{"", "0", "30", "30"}
                                  << QStringList{"0", "1", "40", "100"};
        // The fallback total is what the field holds already.
        QTest::newRow("no hours, 100 s")
            << 100 << "e_hrs_cdn"
            << "\b" << QStringList{"", "1", "40", "100"} << QStringList{"0", "1", "40", "100"};
        QTest::newRow("2 hours") << 30 << "e_hrs_cdn"
                                 << "2" << same << QStringList{"2", "0", "30", "7230"};
        QTest::newRow("5 s alone")
            << 30 << "e_sec_cdn"
            << "5" << QStringList{"0", "0", "5", "5"} << QStringList{"0", "0", "10", "10"};
        QTest::newRow("25 s alone") << 10 << "e_sec_cdn"
                                    << "25" << same << QStringList{"0", "0", "25", "25"};
        QTest::newRow("total emptied, 250")
            << 100 << "e_secs"
            << "\b250" << same << QStringList{"0", "4", "10", "250"};
        QTest::newRow("99999 s in the seconds")
            << 100 << "e_sec_cdn"
            << "99999" << QStringList{"0", "1", "99999", "100059"}
            << QStringList{"0", "1", "59", "119"};
        QTest::newRow("30 hours") << 100 << "e_hrs_cdn"
                                  << "30" << QStringList{"30", "1", "40", "108100"}
                                  << QStringList{"5", "1", "40", "18100"};
        QTest::newRow("2147483647 s")
            << 100 << "e_secs"
            << "2147483647" << QStringList{"596523", "14", "7", "2147483647"}
            << QStringList{"5", "59", "59", "21599"};
    }
    void durationViewsStayInStep() {
        QFETCH(int, stored);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, typing);
        QFETCH(QStringList, left);
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        CountdownPage page(clock);
        loadFrom(page, "CountDown=" + std::to_string(stored) + "\r\n");
        QCOMPARE(part<QLineEdit>(page, "e_secs")->text(), QString::number(stored));
        auto* edit = part<QLineEdit>(page, field.toLatin1().constData());
        edit->selectAll();
        for (QChar c : typed) {
            if (c == '\b')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClick(edit, c.toLatin1());
        }
        QCOMPARE(durationTexts(page), typing.isEmpty() ? left : typing);
        QTest::keyClick(edit, Qt::Key_Return); // leaves the field as Tab would
        QCOMPARE(durationTexts(page), left);
        QCOMPARE(part<QSpinBox>(page, "a_secs")->value(), left[3].toInt());
    }

    // Seconds may go to zero through the arrows only when a minute or an
    // hour is left; a warning that is no number becomes 0.
    void arrowsAndWarnings() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        CountdownPage page(clock);
        loadFrom(page, "CountDown=60\r\n");
        auto* seconds = part<QSpinBox>(page, "a_sec_cdn");
        QCOMPARE(durationTexts(page), (QStringList{"0", "1", "0", "60"}));
        part<QSpinBox>(page, "a_min_cdn")->stepDown();
        QCOMPARE(durationTexts(page), (QStringList{"0", "0", "10", "10"}));
        seconds->stepDown();
        QCOMPARE(seconds->value(), 10);
        part<QSpinBox>(page, "a_hrs_cdn")->stepUp();
        QCOMPARE(part<QLineEdit>(page, "e_secs")->text(), QString("3610"));

        auto* pre1 = part<QLineEdit>(page, "e_pre1");
        typeInto(pre1, "x");
        QTest::keyClick(pre1, Qt::Key_Return);
        QCOMPARE(pre1->text(), QString("0"));
        typeInto(pre1, "120");
        QCOMPARE(part<QSpinBox>(page, "a_pre1")->value(), 120);
        typeInto(pre1, "1200");
        QTest::keyClick(pre1, Qt::Key_Return);
        QCOMPARE(pre1->text(), QString("900"));
    }

    // The check boxes enable their rows, also as loaded.
    void checkBoxesEnableTheirRows() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        CountdownPage page(clock);
        loadFrom(page, "Sound=1\r\nBeep=1\r\nStart=0\r\nType=7\r\n");
        QVERIFY(part<QLineEdit>(page, "e_sound_cdn")->isEnabled());
        QVERIFY(part<QCheckBox>(page, "o_loop_cdn")->isEnabled());
        QVERIFY(!part<QLineEdit>(page, "e_app_cdn")->isEnabled());
        QVERIFY(!part<QPushButton>(page, "t_app_cdn")->isEnabled());
        QVERIFY(part<QRadioButton>(page, "o_1_cdn")->isChecked()); // an unknown pattern
        part<QCheckBox>(page, "o_beep_cdn")->click();
        for (const char* name : {"o_1_cdn", "o_2_cdn", "o_3_cdn", "o_4_cdn", "t_beep_cdn"})
            QVERIFY2(!part<QWidget>(page, name)->isEnabled(), name);
        part<QCheckBox>(page, "o_app_cdn")->click();
        QVERIFY(part<QPushButton>(page, "b_app_cdn")->isEnabled());
    }

    // A running countdown's duration is locked until "ИЗМЕНИТЬ"; only then
    // does OK start it anew.
    void durationLock() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        clock.countdownOn = true;
        CountdownPage page(clock);
        page.show();
        loadFrom(page, "Use=1\r\n");
        auto* change = part<QPushButton>(page, "b_change");
        const char* locked[] = {"e_secs",    "a_secs",    "e_hrs_cdn", "a_hrs_cdn",
                                "e_min_cdn", "a_min_cdn", "e_sec_cdn", "a_sec_cdn"};
        QVERIFY(change->isVisible());
        for (const char* name : locked)
            QVERIFY2(!part<QWidget>(page, name)->isEnabled(), name);
        clock.countdownRestart = true;
        page.saved();
        QVERIFY(!clock.countdownRestart);

        change->click();
        QVERIFY(!change->isVisible());
        for (const char* name : locked)
            QVERIFY2(part<QWidget>(page, name)->isEnabled(), name);
        page.saved();
        QVERIFY(clock.countdownRestart);

        clock.countdownOn = false; // shown again after the countdown ended
        clock.countdownRestart = false;
        page.loaded();
        QVERIFY(!change->isVisible());
        page.saved();
        QVERIFY(clock.countdownRestart);
    }

    // The message flashes red on odd counts; a click selects all of it.
    void messageFlashesAndSelectsOnClick() {
        FakeClockLink clock;
        CountdownPage page(clock);
        page.show();
        auto* message = part<QLineEdit>(page, "e_message_cdn");
        message->setText("ВРЕМЯ ИСТЕКЛО!");
        page.flash(1);
        QCOMPARE(message->palette().color(QPalette::Text), QColor(Qt::red));
        page.flash(2);
        QVERIFY(message->palette().color(QPalette::Text) != QColor(Qt::red));
        QTest::mouseClick(message, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(message->selectedText(), message->text());
    }

    // OK saves the page's keys after the alarms, in the page's order, the
    // stopwatch page's after them.
    void okSavesTheTimerKeysInOrder() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Countdown);
        part<QCheckBox>(dialog, "o_cdn_on")->click();
        typeInto(part<QLineEdit>(dialog, "e_secs"), "3661");
        part<QRadioButton>(dialog, "o_3_cdn")->setChecked(true);
        part<QRadioButton>(dialog, "o_secs")->click();
        part<QPushButton>(dialog, "c_ok")->click();
        QVERIFY(!dialog.isVisible());
        // The section's keys in the order they are written.
        QStringList order;
        bool inTimer = false;
        for (const QByteArray& line :
             QByteArray::fromStdString(kok::test::readBytes(keys::settingsFilePath()))
                 .split('\n')) {
            if (line.startsWith('['))
                inTimer = line.trimmed() == "[kOk:TD:Timer]";
            else if (inTimer && line.contains('='))
                order << line.left(line.indexOf('='));
        }
        QCOMPARE(order.join(','),
                 QString("Use,CountDown,Warn_1,Warn_2,Remind,Sound,Loop,File,Beep,asTime,Type,"
                         "Start,App,Message,Saved_1,Saved_2,Saved_3,Saved_4,Saved_5,Terminate"));
        const keys::IniFile saved(keys::settingsFilePath());
        const auto value = [&](const char* key) {
            return saved.readString("kOk:TD:Timer", key, "");
        };
        QCOMPARE(value("Use"), std::string("1"));
        QCOMPARE(value("CountDown"), std::string("3661"));
        QCOMPARE(value("asTime"), std::string("0"));
        QCOMPARE(value("Type"), std::string("3"));
        QCOMPARE(value("Warn_1"), std::string("60"));
        QCOMPARE(value("Message"), std::string(keys::timer::dialog::kMessage));
        QVERIFY(clock.countdownRestart);

        // OK keeps a field still being typed in within the page's range.
        dialog.openSection(SettingsDialog::Countdown);
        typeInto(part<QLineEdit>(dialog, "e_hrs_cdn"), "30");
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(value("CountDown"), std::string("18061")); // 5:01:01
    }

    // OK keeps what was stored, even outside the page's limits, unless the
    // user edited it: a hand-set short countdown or long reminder stays; a
    // duration typed in is settled into the limits.
    void okLeavesUntouchedValuesAsStored() {
        kok::test::ProgramFolder folder;
        kok::test::writeBytes(keys::settingsFilePath(),
                              "[kOk:TD:Timer]\r\nCountDown=5\r\nWarn_1=1000\r\nRemind=45\r\n");
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        const keys::IniFile saved(keys::settingsFilePath());
        const auto value = [&](const char* key) {
            return saved.readString("kOk:TD:Timer", key, "");
        };
        for (SettingsDialog::Section section :
             {SettingsDialog::Options, SettingsDialog::Countdown}) {
            dialog.openSection(section);
            part<QPushButton>(dialog, "c_ok")->click();
            QCOMPARE(value("CountDown"), std::string("5"));
            QCOMPARE(value("Warn_1"), std::string("1000"));
            QCOMPARE(value("Remind"), std::string("45"));
        }

        dialog.openSection(SettingsDialog::Countdown);
        typeInto(part<QLineEdit>(dialog, "e_secs"), "7");
        typeInto(part<QLineEdit>(dialog, "e_after_cdn"), "44");
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(value("CountDown"), std::to_string(kok::timers::kMinCountdown));
        QCOMPARE(value("Remind"), std::string("30"));
        QCOMPARE(value("Warn_1"), std::string("1000"));
    }
};

KOK_QT_TEST(CountdownPageTest);
#include "countdown_page_test.moc"
