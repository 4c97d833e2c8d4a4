// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::SettingsDialog;
using kok::test::FakeClockLink;
namespace fs = std::filesystem;
namespace keys = kok::settings;

namespace {

const std::string kWriteFailure(keys::kWriteFailureText);

void openLock(SettingsDialog& dialog) {
    for (int i = 0; i < 6; ++i)
        QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
}

fs::path workingCopy() {
    return keys::programFilePath(keys::kAlarmWorkingCopyName);
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // OK and the skin choice stay locked for six seconds after start; the
    // Message bar locks OK and Cancel while it shows.
    void okOpensAfterTheLockAndClosesForTheBar() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        auto* ok = part<QPushButton>(dialog, "c_ok");
        auto* cancel = part<QPushButton>(dialog, "c_cancel");
        QVERIFY(dialog.tt_locker->isActive());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
            QVERIFY(!ok->isEnabled());
        }
        QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        QVERIFY(ok->isEnabled());
        QVERIFY(!dialog.tt_locker->isActive());

        dialog.setMessageBarShowing(true);
        QVERIFY(!ok->isEnabled() && !cancel->isEnabled());
        dialog.setMessageBarShowing(false);
        QVERIFY(ok->isEnabled() && cancel->isEnabled());
    }

    // A dialog built after the start takes up the lock where it has got to:
    // the ticks left, and the wait for the first of them.
    void aLaterDialogTakesUpTheLock() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        const struct {
            int sinceStartMs, ticksLeft, firstWaitMs;
        } cases[] = {{0, 6, 1000}, {2300, 4, 700}, {5999, 1, 1}, {6000, 0, 0}, {90000, 0, 0}};
        for (const auto& c : cases) {
            SettingsDialog dialog(clock, std::chrono::milliseconds(c.sinceStartMs));
            auto* ok = part<QPushButton>(dialog, "c_ok");
            QCOMPARE(dialog.tt_locker->isActive(), c.ticksLeft > 0);
            if (c.ticksLeft > 0) QCOMPARE(dialog.tt_locker->interval(), c.firstWaitMs);
            for (int i = 0; i < c.ticksLeft; ++i) {
                QVERIFY(!ok->isEnabled());
                QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
                if (i + 1 < c.ticksLeft) QCOMPARE(dialog.tt_locker->interval(), 1000);
            }
            QVERIFY(ok->isEnabled());
            QVERIFY(!dialog.tt_locker->isActive());
        }
    }

    // The gear, a double click and the menu's entries open the dialog through
    // openSection; a dialog the user minimised comes back in front.
    void aMinimisedDialogComesBackWhenOpened() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        for (auto section :
             {SettingsDialog::Options, SettingsDialog::Skins, SettingsDialog::Alarm}) {
            dialog.openSection(SettingsDialog::Info);
            dialog.showMinimized();
            QVERIFY(dialog.isMinimized());
            dialog.openSection(section);
            QVERIFY(!dialog.isMinimized());
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.currentSection(), section);
        }
    }

    // No label of the dialog's pages or of the Clock window takes its text
    // as markup: what they show may come from a file.
    void everyLabelShowsPlainText() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        dialog.openSection(SettingsDialog::Skins);
        kok::test::ComposedClock window("");
        for (QWidget* root : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&window)}) {
            const auto labels = root->findChildren<QLabel*>();
            QVERIFY(labels.size() > 5);
            for (const QLabel* label : labels)
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
    }

    // Showing copies every alarm slot into the working copy; OK copies it
    // back in one update (keys that were missing now hold the dialog's
    // defaults), hiding removes the copy, and nothing restarts.
    void okCopiesTheAlarmSlotsBackInOneUpdate() {
        kok::test::ProgramFolder folder;
        kok::test::writeBytes(keys::settingsFilePath(),
                              "[kOk:TD:Alarms]\r\n3_Use=1\r\n3_Hour=7\r\n3_Message=Wake up\r\n");
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        dialog.openSection(SettingsDialog::Alarm);
        QVERIFY(!clock.alarmMenuVisible);
        QVERIFY(fs::exists(workingCopy()));
        const keys::IniFile copy(workingCopy());
        QCOMPARE(copy.readInteger("kOk:TD:Alarms", "3_Hour", -1), 7);
        QCOMPARE(copy.readInteger("kOk:TD:Alarms", "9_Remind", -1), 5);

        // What the alarm page writes into the copy is what OK saves.
        keys::IniFile(workingCopy()).writeInteger("kOk:TD:Alarms", "5_Minute", 45);
        part<QPushButton>(dialog, "c_ok")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!fs::exists(workingCopy()));
        QVERIFY(clock.alarmMenuVisible);
        QCOMPARE(clock.reloads, 1);
        QVERIFY(clock.countdownRestart); // no countdown ran: one switched on starts afresh

        const keys::IniFile saved(keys::settingsFilePath());
        QCOMPARE(saved.readString("kOk:TD:Alarms", "3_Message", ""), std::string("Wake up"));
        QCOMPARE(saved.readInteger("kOk:TD:Alarms", "3_Use", 0), 1);
        QCOMPARE(saved.readInteger("kOk:TD:Alarms", "5_Minute", 0), 45);
        QCOMPARE(saved.readString("kOk:TD:Alarms", "0_File", ""), std::string("MEDIA\\LOGOFF.wAv"));
        QCOMPARE(saved.readInteger("kOk:TD:Alarms", "9_atWeekDay_6", 0), 1);
        // Slot 0's keys come first, in the dialog's key order.
        const std::string bytes = kok::test::readBytes(keys::settingsFilePath());
        QVERIFY(bytes.find("0_Use=0\r\n0_Hour=12\r\n0_Minute=0\r\n0_Date=") != std::string::npos);

        // A second OK with nothing changed rewrites the same bytes; a
        // countdown that ran meanwhile runs on.
        clock.countdownOn = true;
        dialog.openSection(SettingsDialog::Options);
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(kok::test::readBytes(keys::settingsFilePath()), bytes);
        QVERIFY(!clock.countdownRestart);
    }

    // A refused write on OK leaves the file as it was, says so, and still
    // hides the dialog and reloads the clock; Cancel writes nothing.
    void refusedSaveAndCancelLeaveTheFileAsItWas() {
        kok::test::ProgramFolder folder;
        const std::string before = "[kOk:TD:Alarms]\r\n0_Hour=6\r\n";
        kok::test::writeBytes(keys::settingsFilePath(), before);
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);

        dialog.openSection(SettingsDialog::Options);
        keys::IniFile(workingCopy()).writeInteger("kOk:TD:Alarms", "0_Hour", 9);
        part<QPushButton>(dialog, "c_cancel")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(clock.reloads, 1);
        QCOMPARE(kok::test::readBytes(keys::settingsFilePath()), before);

        dialog.openSection(SettingsDialog::Options);
        fs::permissions(keys::settingsFilePath(), fs::perms::owner_read);
        kok::test::MessageCatcher messages;
        part<QPushButton>(dialog, "c_ok")->click();
        QTRY_COMPARE(messages.texts.size(), 1);
        QCOMPARE(messages.texts[0],
                 QString::fromStdString(kWriteFailure + "\nСохранение настроек отменено."));
        QCOMPARE(kok::test::readBytes(keys::settingsFilePath()), before);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(clock.reloads, 2);
    }

    // A working copy that cannot be written makes the dialog read-only for
    // as long as the program runs.
    void anUnwritableWorkingCopyMakesTheDialogReadOnly() {
        kok::test::ProgramFolder folder;
        fs::create_directory(workingCopy()); // nothing can replace a folder with a file in it
        kok::test::writeBytes(workingCopy() / "x", "");
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        kok::test::MessageCatcher messages;
        dialog.openSection(SettingsDialog::Alarm);
        QTRY_COMPARE(messages.texts.size(), 1);
        QCOMPARE(messages.texts[0],
                 QString::fromStdString(kWriteFailure + "\nИзменение настроек будет невозможно."));
        QVERIFY(dialog.isReadOnly());
        QCOMPARE(dialog.currentSection(), SettingsDialog::Info);
        QVERIFY(clock.settingsItemsHidden);
        for (const char* name : {"s_alarm", "s_countdown", "s_message", "s_timer", "s_skins"})
            QVERIFY2(!part<QPushButton>(dialog, name)->isEnabled(), name);
        QVERIFY(part<QPushButton>(dialog, "s_editor")->isEnabled());
        QVERIFY(!dialog.tt_locker->isActive());

        // Neither the end of a Message bar nor hiding brings anything back.
        dialog.setMessageBarShowing(true);
        dialog.setMessageBarShowing(false);
        QVERIFY(!part<QPushButton>(dialog, "c_ok")->isEnabled());
        part<QPushButton>(dialog, "c_cancel")->click();
        QVERIFY(!clock.alarmMenuVisible);
    }
};

KOK_QT_TEST(SettingsDialogTest);
#include "settings_dialog_test.moc"
