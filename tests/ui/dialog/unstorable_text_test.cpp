// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>
#include <filesystem>

#include "dialog/settings_dialog.h"
#include "settings/cp1251.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::SettingsDialog;
namespace fs = std::filesystem;
namespace keys = kok::settings;

class UnstorableTextTest : public QObject {
    Q_OBJECT

  private slots:
    // A text the Windows-1251 Settings file cannot hold is refused: typed, on
    // OK; chosen, at once. The message names the field and the characters,
    // each with its code (an invisible one too), nothing is saved, the dialog
    // stays open with the text (nor is its alarm slot left), and once the
    // text is fixed OK saves.
    void refusedNamingTheFieldAndNothingIsSaved_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("field");   // a text field, or the "..." button of one
        QTest::addColumn<QString>("text");    // typed, or the path the chooser returns
        QTest::addColumn<QString>("caption"); // the field's name in the message
        QTest::addColumn<QString>("refused");
        const int alarm = SettingsDialog::Alarm, countdown = SettingsDialog::Countdown;
        QTest::newRow("alarm message") << alarm << "e_message_alarm"
                                       << "Café ☕\u200b в 7:00?"
                                       << "сообщение будильника"
                                       << "é (U+00E9), ☕ (U+2615), \u200b (U+200B)";
        QTest::newRow("alarm sound") << alarm << "e_sound_alarm"
                                     << "/home/u/звуки/日本.wav"
                                     << "ЗВУК"
                                     << "日 (U+65E5), 本 (U+672C)";
        QTest::newRow("alarm program") << alarm << "e_app_alarm"
                                       << "xdg-open ♫.ogg"
                                       << "ФАЙЛ"
                                       << "♫ (U+266B)";
        QTest::newRow("countdown message") << countdown << "e_message_cdn"
                                           << "Чай 🍵 готов"
                                           << "сообщение таймера"
                                           << "🍵 (U+1F375)";
        QTest::newRow("countdown sound") << countdown << "e_sound_cdn"
                                         << "Žvonek.wav"
                                         << "ВОСПРОИЗВЕСТИ ЗВУК"
                                         << "Ž (U+017D)";
        QTest::newRow("countdown program") << countdown << "e_app_cdn"
                                           << "ĉu.sh"
                                           << "ЗАПУСТИТЬ ПРОГРАММУ"
                                           << "ĉ (U+0109)";
        QTest::newRow("hourly sound") << int(SettingsDialog::Options) << "e_snd"
                                      << "Grüße.wav"
                                      << "ЗВУКОВОЙ ФАЙЛ"
                                      << "ü (U+00FC), ß (U+00DF)";
        QTest::newRow("chosen alarm sound") << alarm << "b_sound_alarm"
                                            << "☕/звонок.wav"
                                            << "ЗВУК"
                                            << "☕ (U+2615)";
    }
    void refusedNamingTheFieldAndNothingIsSaved() {
        QFETCH(int, section);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, refused);
        kok::test::ProgramFolder folder;
        const std::string before = keys::utf8ToCp1251(
            "[kOk:TD:Alarms]\r\n0_Use=1\r\n0_Sound=1\r\n0_Message=Подъём!\r\n"
            "[kOk:TD:Timer]\r\nSound=1\r\nStart=1\r\n[kOk:TD:Hour]\r\nWave=1\r\n");
        kok::test::writeBytes(keys::settingsFilePath(), before);
        kok::test::FakeClockLink clock;
        SettingsDialog dialog(clock);
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Section(section));
        kok::test::MessageCatcher messages;

        const bool chosen = field.startsWith("b_");
        auto* edit = part<QLineEdit>(dialog, qPrintable(chosen ? "e_" + field.mid(2) : field));
        const QString old = edit->text();
        if (chosen) {
            const fs::path file = folder.path() / text.toStdString();
            fs::create_directories(file.parent_path());
            kok::test::writeBytes(file, "RIFF");
            messages.nextFile(QString::fromStdString(file.string()));
            part<QPushButton>(dialog, qPrintable(field))->click();
            QCOMPARE(messages.asked.size(), 2); // the chooser, then the refusal
            QCOMPARE(messages.asked[0].kind, QString("file"));
            QCOMPARE(edit->text(), old);
        } else {
            edit->setText(text);
            dialog.openSection(SettingsDialog::Info); // OK may be pressed on any page
            part<QPushButton>(dialog, "c_ok")->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.currentSection(), SettingsDialog::Section(section));
            QCOMPARE(edit->text(), text);
            QCOMPARE(clock.reloads, 0);
        }
        QTRY_COMPARE(messages.texts.size(), 1);
        QCOMPARE(messages.texts[0],
                 QString("Поле «%1» содержит символы, которые нельзя сохранить: %2")
                     .arg(caption, refused));
        QCOMPARE(kok::test::readBytes(keys::settingsFilePath()), before);
        const fs::path copy = keys::programFilePath(keys::kAlarmWorkingCopyName);
        QVERIFY(kok::test::readBytes(copy).find('?') == std::string::npos);
        if (section == SettingsDialog::Alarm && !chosen) {
            // Nor is the slot left: the working copy does not hold the text.
            auto* slotList = part<QComboBox>(dialog, "c_alarms");
            slotList->setCurrentIndex(3);
            QTRY_COMPARE(messages.texts.size(), 2);
            QCOMPARE(slotList->currentIndex(), 0);
            QCOMPARE(edit->text(), text);
        }

        // Fixed, it is saved.
        const qsizetype said = messages.texts.size();
        edit->setText("Кафе");
        part<QPushButton>(dialog, "c_ok")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(messages.texts.size(), said);
        QVERIFY(kok::test::readBytes(keys::settingsFilePath()).find(keys::utf8ToCp1251("=Кафе")) !=
                std::string::npos);
    }

    // A message longer than the Settings file gives back (1023 characters)
    // cannot be typed or pasted: the field says its limit, and what it shows
    // at OK is what is read back, not a text cut short without a word.
    void aMessageFieldHoldsNoMoreThanIsReadBack() {
        const struct {
            SettingsDialog::Section section;
            const char *field, *section_, *key;
        } cases[] = {
            {SettingsDialog::Alarm, "e_message_alarm", "kOk:TD:Alarms", "0_Message"},
            {SettingsDialog::Countdown, "e_message_cdn", "kOk:TD:Timer", "Message"},
        };
        for (const auto& c : cases) {
            kok::test::ProgramFolder folder;
            kok::test::FakeClockLink clock;
            SettingsDialog dialog(clock);
            for (int i = 0; i < 6; ++i)
                QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
            dialog.openSection(c.section);
            auto* edit = part<QLineEdit>(dialog, c.field);
            edit->selectAll();
            edit->insert(QString(1100, u'ж')); // as a paste does
            QVERIFY(QToolTip::text().contains("1023"));
            QToolTip::showText(edit->mapToGlobal(QPoint()), "-", edit);
            QTest::keyClicks(edit, "abc"); // and typing on
            QVERIFY(QToolTip::text().contains("1023"));
            part<QPushButton>(dialog, "c_ok")->click();
            QVERIFY(!dialog.isVisible());
            const QString stored = QString::fromStdString(
                kok::settings::openSettings().readString(c.section_, c.key, ""));
            QCOMPARE(stored.size(), 1023);
            QCOMPARE(stored, edit->text());
        }
    }
};

KOK_QT_TEST(UnstorableTextTest);
#include "unstorable_text_test.moc"
