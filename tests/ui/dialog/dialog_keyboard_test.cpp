// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings dialog without a mouse, for screen readers, and Esc over edits.

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_file.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/scripted_answers.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::SettingsDialog;
using kok::test::FakeClockLink;
namespace keys = kok::settings;

namespace {

void openLock(SettingsDialog& dialog) {
    for (int i = 0; i < 6; ++i)
        QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
}

bool isPartOfControl(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    return qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
           qobject_cast<const QAbstractScrollArea*>(p) ||
           (p && qobject_cast<const QAbstractScrollArea*>(p->parentWidget()));
}

QString accessibleName(QObject* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class DialogKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    // From the dialog as it opens, by keys alone: each section Ctrl+PgDown
    // reaches starts on its first field, Tab runs through the page's fields
    // to OK and Cancel and round again, and Enter presses the focused button.
    void tabReachesOkAndEnterSaves() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        dialog.openSection(SettingsDialog::Options);
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* ok = part<QPushButton>(dialog, "c_ok");
        auto* cancel = part<QPushButton>(dialog, "c_cancel");
        auto* tabs = part<QStackedWidget>(dialog, "tabs");
        const auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        };

        key(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(dialog.currentSection(), SettingsDialog::Info); // round, as tabs go
        key(Qt::Key_PageDown, Qt::ControlModifier);
        bool cleared = false;
        // Round all the sections back to the first, where OK saves.
        for (int s = 0; s <= SettingsDialog::SectionCount; ++s) {
            if (s > 0) key(Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(int(dialog.currentSection()), s % SettingsDialog::SectionCount);
            QWidget* page = tabs->currentWidget();
            int fields = 0;
            for (; !ok->hasFocus() && fields < 200; ++fields) {
                QWidget* w = QApplication::focusWidget();
                QVERIFY2(page->isAncestorOf(w),
                         qPrintable(QString("%1: %2").arg(s).arg(w ? w->objectName() : "none")));
                // Enter on one of a page's buttons presses it: "clear" writes at once.
                if (w->objectName() == "b_clear" && !cleared) {
                    key(Qt::Key_Return);
                    cleared = true;
                }
                key(Qt::Key_Tab);
            }
            QVERIFY2(ok->hasFocus() && fields > 0, qPrintable(QString::number(s)));
            if (s > 0) continue;
            key(Qt::Key_Tab);
            QVERIFY(cancel->hasFocus());
            key(Qt::Key_Tab);
            QVERIFY(page->isAncestorOf(QApplication::focusWidget()));
        }
        QVERIFY(cleared);
        QVERIFY(keys::openSettings().hasKey("kOk:TD:Timer", "Saved_1"));

        key(Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(clock.reloads, 1);
        QCOMPARE(keys::openSettings().readInteger("kOk:TD", "PosX", -1), clock.position.x());
    }

    // A screen reader has a name for every control a user can reach, and
    // the small buttons say what they do.
    void everyControlHasAName() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        dialog.openSection(SettingsDialog::Options);
        int controls = 0;
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            // A combo box's list is a popup of its own, named by the box.
            if (!(w->focusPolicy() & Qt::TabFocus) || isPartOfControl(w) || w->window() != &dialog)
                continue;
            ++controls;
            QVERIFY2(!accessibleName(w).trimmed().isEmpty(), qPrintable(w->objectName()));
        }
        QVERIFY(controls > 60);
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == "!!!" || b->text() == "...")
                QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        QVERIFY(!part<QLabel>(dialog, "miniHelp")->toolTip().isEmpty());

        kok::test::ComposedClock window("");
        window.show();
        for (const char* name : {"i_settings", "i_close", "i_timer"}) {
            QLabel* button = part<QLabel>(window, name);
            QVERIFY2(!accessibleName(button).isEmpty() && !button->toolTip().isEmpty(), name);
        }
        // The window's description, the time, is given only to a screen
        // reader: language.sh reads it.
    }

    // Esc (and the window's close) asks only when OK would save something;
    // keeping stays with the edit, discarding leaves the file as it was.
    void escAsksOnlyOverEdits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("discard");
        QTest::addColumn<bool>("byClose");
        QTest::addColumn<bool>("asks");
        QTest::newRow("nothing changed: closes") << "" << true << false << false;
        QTest::newRow("alarm edited, keep") << "alarm" << false << false << true;
        QTest::newRow("alarm edited, discard") << "alarm" << true << false << true;
        QTest::newRow("countdown changed, discard") << "countdown" << true << false << true;
        QTest::newRow("edited back: closes") << "alarm back" << true << false << false;
        QTest::newRow("written at once: closes") << "clear" << true << false << false;
        QTest::newRow("window closed over an edit") << "countdown" << false << true << true;
        // The dialog only hides: the skin being built is there when it opens again.
        QTest::newRow("skin being built: closes") << "skin" << true << false << false;
        // Values the page shows another way are not edits until changed.
        QTest::newRow("odd slot viewed: closes") << "view odd" << true << false << false;
        QTest::newRow("odd slot changed, discard") << "change odd" << true << false << true;
    }
    void escAsksOnlyOverEdits() {
        QFETCH(QString, edit);
        QFETCH(bool, discard);
        QFETCH(bool, byClose);
        QFETCH(bool, asks);
        kok::test::ProgramFolder folder;
        const std::string before = "[kOk:TD:Alarms]\r\n0_Use=1\r\n0_Hour=7\r\n"
                                   "2_Use=2\r\n2_Type=7\r\n2_Beep=2\r\n2_atWeek=2\r\n"
                                   "2_atWeekDay_3=5\r\n"
                                   "[kOk:TD:Timer]\r\nCountDown=300\r\nSaved_2=00:01:00\r\n";
        kok::test::writeBytes(keys::settingsFilePath(), before);
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        dialog.openSection(SettingsDialog::Alarm);
        auto* message = part<QLineEdit>(dialog, "e_message_alarm");
        const QString loaded = message->text();
        message->end(false);
        // Typing into an alarm switches it on; this one is on already.
        if (edit.startsWith("alarm")) QTest::keyClicks(message, "!");
        if (edit == "alarm back") message->setText(loaded);
        if (edit == "countdown") QTest::keyClicks(part<QLineEdit>(dialog, "e_secs"), "0");
        if (edit == "clear") part<QPushButton>(dialog, "b_clear")->click();
        if (edit.endsWith("odd")) part<QComboBox>(dialog, "c_alarms")->setCurrentIndex(2);
        if (edit == "change odd") part<QRadioButton>(dialog, "o_3_alarm")->click();
        auto* skinName = part<QLineEdit>(dialog, "e_name");
        if (edit == "skin") {
            dialog.openSection(SettingsDialog::Editor);
            part<QPushButton>(dialog, "b_new")->click();
            skinName->clear();
            QTest::keyClicks(skinName, "Mine");
        }
        const std::string expected = kok::test::readBytes(keys::settingsFilePath());

        kok::test::ScriptedAnswers answer;
        if (asks)
            answer.nextButton(discard ? QMessageBox::DestructiveRole : QMessageBox::RejectRole);
        if (byClose)
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(answer.asked.size(), asks ? 1 : 0);
        if (asks) QCOMPARE(answer.asked[0].name, QString("kok_discard_question"));
        QCOMPARE(dialog.isVisible(), !discard);
        QCOMPARE(clock.reloads, discard ? 1 : 0);
        if (!discard && edit == "alarm") QCOMPARE(message->text(), loaded + "!");
        QCOMPARE(kok::test::readBytes(keys::settingsFilePath()), expected);
        if (edit != "clear") QCOMPARE(expected, before);
        dialog.openSection(SettingsDialog::Editor);
        if (edit == "skin") QCOMPARE(skinName->text(), QString("Mine"));
    }
};

KOK_QT_TEST(DialogKeyboardTest);
#include "dialog_keyboard_test.moc"
