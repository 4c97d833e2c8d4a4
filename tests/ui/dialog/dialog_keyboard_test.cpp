// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings dialog without a mouse, for screen readers, and Esc over edits.

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/language_choice.h"
#include "clock/clock_window.h"
#include "dialog/accessible_names.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_file.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/scoped_language.h"
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

// What a user works with: buttons, fields, lists, and anything that shows the
// hand pointer as a link does, unless it holds no address ("-" or nothing).
bool isControl(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w);
        label && !(w->focusPolicy() & Qt::TabFocus) &&
        (label->text().trimmed() == "-" || label->text().trimmed().isEmpty()))
        return false;
    if (isPartOfControl(w)) return false;
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
        return spin->focusPolicy() != Qt::NoFocus; // arrows beside a field step it
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           (w->focusPolicy() & Qt::TabFocus) ||
           (w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor);
}

QString nameOf(const QWidget* w) {
    return w ? w->objectName() : QStringLiteral("none");
}

bool usable(const QWidget* w) {
    return w->isVisible() && w->isEnabled();
}

// Radios that choose one thing: those of one button group, else the
// exclusive ones of one frame.
QObject* radioSetOf(QRadioButton* r) {
    return r->group() ? static_cast<QObject*>(r->group()) : r->parentWidget();
}

QWidget* focused() {
    return QApplication::focusWidget();
}

void press(Qt::Key key) {
    QTest::keyClick(focused(), key);
}

void showActive(SettingsDialog& dialog) {
    dialog.openSection(SettingsDialog::Options);
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
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

    // Every enabled control of every page is reached with Tab, once round the
    // page; each set of radios is entered at its checked radio only, and its
    // arrows move within the set, checking each radio they land on, and
    // reach every radio of it.
    void everyControlIsReachedByKeyboard() {
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        showActive(dialog);
        // The boxes that enable the chime's and the countdown's radios.
        for (const char* box : {"o_hour", "o_beep_cdn"})
            if (!part<QAbstractButton>(dialog, box)->isChecked())
                part<QAbstractButton>(dialog, box)->click();
        auto* tabs = part<QStackedWidget>(dialog, "tabs");
        // Each page as it opens, then pages whose controls wake later: the
        // editor's fields once a new skin's button or indicator is chosen,
        // and the stopwatch's buttons while it runs.
        const auto newSkinWith = [&](const char* control) {
            part<QPushButton>(dialog, "b_new")->click();
            auto* parts = part<QComboBox>(dialog, "c_objects");
            for (int i = 0; i < parts->count() && !part<QWidget>(dialog, control)->isEnabled(); ++i)
                QTest::keyClick(parts, Qt::Key_Down);
            return part<QWidget>(dialog, control)->isEnabled();
        };
        const auto runningStopwatch = [&] {
            clock.stopwatch = FakeClockLink::Running;
            dialog.refreshStopwatchPage();
            return part<QWidget>(dialog, "b_pause_timer")->isEnabled();
        };
        std::vector<std::pair<int, std::function<bool()>>> views;
        for (int s = 0; s < SettingsDialog::SectionCount; ++s)
            views.emplace_back(s, [] { return true; });
        views.emplace_back(SettingsDialog::Editor, [&] { return newSkinWith("c_state"); });
        views.emplace_back(SettingsDialog::Editor, [&] { return newSkinWith("b_font"); });
        views.emplace_back(SettingsDialog::Timer, runningStopwatch);
        int radioSets = 0;
        for (const auto& [s, prepare] : views) {
            dialog.openSection(SettingsDialog::Section(s));
            QVERIFY2(prepare(), qPrintable(QString::number(s)));
            QWidget* page = tabs->currentWidget();
            QWidget* start = focused();
            QVERIFY2(start && page->isAncestorOf(start), qPrintable(QString::number(s)));
            QSet<QWidget*> reached;
            for (int i = 0; i < 300 && !reached.contains(focused()); ++i) {
                reached.insert(focused());
                if (auto* radio = qobject_cast<QRadioButton*>(focused())) {
                    // Entered at the checked radio, or at the first while
                    // none that can be chosen is checked.
                    bool checkedElsewhere = false;
                    for (QRadioButton* other : page->findChildren<QRadioButton*>())
                        checkedElsewhere |= other != radio &&
                                            radioSetOf(other) == radioSetOf(radio) &&
                                            other->isChecked() && usable(other);
                    QVERIFY2(
                        radio->isChecked() || !checkedElsewhere,
                        qPrintable(QString("%1: Tab enters the set of %2 at an unchecked radio")
                                       .arg(s)
                                       .arg(nameOf(radio))));
                }
                press(Qt::Key_Tab);
            }
            QCOMPARE(nameOf(focused()), nameOf(start)); // one round, back where it began

            QMap<QObject*, QList<QRadioButton*>> sets;
            int controls = 0;
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!usable(w) || !isControl(w)) continue;
                ++controls;
                if (auto* radio = qobject_cast<QRadioButton*>(w)) {
                    sets[radioSetOf(radio)] << radio;
                    continue;
                }
                QVERIFY2(reached.contains(w),
                         qPrintable(QString("%1: Tab never reaches %2").arg(s).arg(nameOf(w))));
            }
            QVERIFY(controls > 0);
            for (const QList<QRadioButton*>& set : sets) {
                ++radioSets;
                QList<QRadioButton*> entries;
                for (QRadioButton* r : set)
                    if (reached.contains(r)) entries << r;
                QVERIFY2(entries.size() == 1,
                         qPrintable(QString("%1: Tab enters the set of %2 at %3 radios")
                                        .arg(s)
                                        .arg(nameOf(set.first()))
                                        .arg(entries.size())));
                QRadioButton* entry = entries.first();
                const bool wasChecked = entry->isChecked();
                // From the entry, each arrow as far as it goes and back.
                entry->setFocus(Qt::TabFocusReason);
                QSet<QWidget*> visited{entry};
                for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left,
                                      Qt::Key_Down, Qt::Key_Right}) {
                    for (int i = 0; i <= set.size(); ++i) {
                        press(arrow);
                        auto* now = qobject_cast<QRadioButton*>(focused());
                        QVERIFY2(set.contains(now),
                                 qPrintable(QString("%1: an arrow leaves the set of %2 for %3")
                                                .arg(s)
                                                .arg(nameOf(entry))
                                                .arg(nameOf(focused()))));
                        visited.insert(now);
                        QVERIFY2(!wasChecked || now->isChecked(), qPrintable(nameOf(now)));
                    }
                }
                QVERIFY2(visited.size() == set.size(),
                         qPrintable(QString("%1: arrows reach %2 of the %3 radios of %4")
                                        .arg(s)
                                        .arg(visited.size())
                                        .arg(set.size())
                                        .arg(nameOf(entry))));
                // As it was, for the sets that follow (the message page's
                // placement chooses its font).
                if (wasChecked) entry->click();
            }
        }
        // Options 2, alarm 3, countdown 2, stopwatch 1 (twice), message 3, skins 2.
        QCOMPARE(radioSets, 14);
    }

    // Number fields that cannot be typed into are stepped with the keys
    // their arrows answer to: Up and Down one step, Page Up and Page Down
    // ten; other keys leave them alone.
    void numberFieldsStepFromTheKeyboard_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("arrows");
        const int message = SettingsDialog::Message, editor = SettingsDialog::Editor;
        QTest::newRow("message size") << message << "e_font"
                                      << "a_font";
        QTest::newRow("bar height") << message << "e_height"
                                    << "a_height";
        QTest::newRow("flash rate, steps of 50") << message << "e_speed"
                                                 << "a_speed";
        for (const char* c : {"a", "b", "x", "y"})
            QTest::newRow(c) << editor << QString("e_") + c << QString("a_") + c;
    }
    void numberFieldsStepFromTheKeyboard() {
        QFETCH(int, section);
        QFETCH(QString, field);
        QFETCH(QString, arrows);
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        dialog.openSection(SettingsDialog::Section(section));
        auto* edit = part<QLineEdit>(dialog, qPrintable(field));
        if (section == SettingsDialog::Editor) {
            // A new skin, and in it the first part whose sizes are fields.
            part<QPushButton>(dialog, "b_new")->click();
            auto* parts = part<QComboBox>(dialog, "c_objects");
            for (int i = 0; i < parts->count() && !edit->isEnabled(); ++i)
                QTest::keyClick(parts, Qt::Key_Down);
        }
        auto* spin = part<QSpinBox>(dialog, qPrintable(arrows));
        QVERIFY(edit->isEnabled());
        // Somewhere inside the range, so that every step moves it.
        QVERIFY(spin->maximum() - spin->minimum() >= 2 * spin->singleStep());
        spin->setValue((spin->minimum() + spin->maximum()) / 2);
        const int start = edit->text().toInt();
        QCOMPARE(start, spin->value());
        const int step = spin->singleStep();
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Up, 1},      {Qt::Key_Up, 1},         {Qt::Key_Down, -1},
            {Qt::Key_PageUp, 10}, {Qt::Key_PageDown, -10}, {Qt::Key_A, 0},
        };
        int expected = start;
        for (const auto& [key, steps] : keys) {
            QTest::keyClick(edit, key);
            expected = std::clamp(expected + steps * step, spin->minimum(), spin->maximum());
            QCOMPARE(edit->text().toInt(), expected);
            QCOMPARE(spin->value(), expected);
        }
    }

    // A page's button keeps the focus when pressed from the keyboard, whatever
    // its chooser answers: the next Enter presses it again, not OK.
    void pressedButtonsKeepTheFocus_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");  // a file, or "colour" for a cancelled colour
        QTest::addColumn<QString>("enabler"); // the box that enables the button
        QTest::addColumn<int>("stopwatch");   // FakeClockLink's state as the page opens
        // Where the focus is after each press: the button, or the one that
        // takes its place when it disables itself.
        QTest::addColumn<QStringList>("focus");
        const int running = FakeClockLink::Running, paused = FakeClockLink::Paused;
        const int skins = SettingsDialog::Skins, editor = SettingsDialog::Editor;
        QTest::newRow("load a skin, cancelled") << skins << "b_load_xp"
                                                << ""
                                                << "" << running << QStringList();
        // Not a skin: a message, then the built-in skin again.
        QTest::newRow("load a skin, refused") << skins << "b_load_98"
                                              << "/nonexistent/skin.ksf"
                                              << "" << running << QStringList();
        QTest::newRow("editor: open, cancelled") << editor << "b_load"
                                                 << ""
                                                 << "" << running << QStringList();
        QTest::newRow("editor: new skin") << editor << "b_new"
                                          << "-"
                                          << "" << running << QStringList();
        QTest::newRow("alarm sound chooser") << int(SettingsDialog::Alarm) << "b_sound_alarm"
                                             << ""
                                             << "o_sound_alarm" << running << QStringList();
        QTest::newRow("countdown program chooser") << int(SettingsDialog::Countdown) << "b_app_cdn"
                                                   << ""
                                                   << "o_app_cdn" << running << QStringList();
        QTest::newRow("message colour") << int(SettingsDialog::Message) << "b_color1"
                                        << "colour"
                                        << "" << running << QStringList();
        QTest::newRow("stopwatch save") << int(SettingsDialog::Timer) << "b_save1"
                                        << "-"
                                        << "" << running << QStringList();
        QTest::newRow("stopwatch clear") << int(SettingsDialog::Timer) << "b_clear"
                                         << "-"
                                         << "" << running << QStringList();
        // "..." in the editor, on the skin's face: a picture loads.
        QTest::newRow("editor: picture loaded") << editor << "b_file"
                                                << "picture"
                                                << "" << running << QStringList();
        // Pause and resume hand over to each other; stopped, the focus goes to
        // the mode choice, never to "clear" or along the chain to "stop".
        const int timer = SettingsDialog::Timer;
        QTest::newRow("stopwatch pause, then resume")
            << timer << "b_pause_timer"
            << "-"
            << "" << running << QStringList{"b_resume_timer", "b_pause_timer"};
        QTest::newRow("stopwatch resume, then pause")
            << timer << "b_resume_timer"
            << "-"
            << "" << paused << QStringList{"b_pause_timer", "b_resume_timer"};
        QTest::newRow("stopwatch stop") << timer << "b_reset"
                                        << "-"
                                        << "" << running << QStringList{"o_stop", "o_stop"};
        QTest::newRow("stopwatch stop while paused")
            << timer << "b_reset"
            << "-"
            << "" << paused << QStringList{"o_stop", "o_stop"};
    }
    void pressedButtonsKeepTheFocus() {
        QFETCH(int, section);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, enabler);
        QFETCH(int, stopwatch);
        QFETCH(QStringList, focus);
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        clock.stopwatch = decltype(clock.stopwatch)(stopwatch);
        SettingsDialog dialog(clock);
        openLock(dialog);
        showActive(dialog);
        dialog.openSection(SettingsDialog::Section(section));
        if (!enabler.isEmpty()) part<QAbstractButton>(dialog, qPrintable(enabler))->click();
        QString file = answer;
        QTemporaryDir pictures;
        if (answer == "picture") {
            part<QPushButton>(dialog, "b_new")->click();
            auto* parts = part<QComboBox>(dialog, "c_objects");
            for (int i = 0; i < parts->count() && !part<QWidget>(dialog, "b_file")->isEnabled();
                 ++i)
                QTest::keyClick(parts, Qt::Key_Down);
            QImage face(QSize(150, 40), QImage::Format_RGB32);
            face.fill(Qt::gray);
            file = pictures.filePath("face.bmp");
            QVERIFY(face.save(file, "BMP"));
        }
        auto* pressed = part<QPushButton>(dialog, qPrintable(button));
        QVERIFY(pressed->isEnabled());
        pressed->setFocus(Qt::TabFocusReason);
        kok::test::ScriptedAnswers answers;
        for (int round = 0; round < 2; ++round) {
            if (answer == "colour")
                answers.nextColor(std::nullopt);
            else if (answer != "-")
                answers.nextFile(file);
            press(round == 0 ? Qt::Key_Return : Qt::Key_Space);
            QCOMPARE(nameOf(focused()), focus.isEmpty() ? button : focus[round]);
            QVERIFY(dialog.isVisible());
        }
        // Nothing pressed by a second key: the readings are still there, and
        // the stopwatch stopped only by its own button.
        if (button != "b_clear") QVERIFY(!keys::openSettings().hasKey("kOk:TD:Timer", "Saved_2"));
        if (button == "b_reset") QCOMPARE(int(clock.stopwatch), int(FakeClockLink::Stopped));
        QCOMPARE(int(answers.asked.size() - answers.texts.size()), answer == "-" ? 0 : 2);
        QCOMPARE(clock.reloads, 0);
    }

    // Labels that take the keyboard focus (links, the hint, the colour
    // swatch) show where it is by a mark drawn over them: nothing moves.
    void focusedLabelsShowAMark_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("label");
        QTest::newRow("options hint") << int(SettingsDialog::Options) << "miniHelp";
        QTest::newRow("info product page") << int(SettingsDialog::Info) << "t_info";
        QTest::newRow("skins web link") << int(SettingsDialog::Skins) << "si_98_web";
        QTest::newRow("editor colour") << int(SettingsDialog::Editor) << "p_color";
    }
    void focusedLabelsShowAMark() {
        QFETCH(int, section);
        QFETCH(QString, label);
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        showActive(dialog);
        dialog.openSection(SettingsDialog::Section(section));
        auto* marked = part<QLabel>(dialog, qPrintable(label));
        auto* ok = part<QPushButton>(dialog, "c_ok");
        ok->setFocus(Qt::TabFocusReason);
        const QRect geometry = marked->geometry();
        const QImage plain = marked->grab().toImage();
        marked->setFocus(Qt::TabFocusReason);
        QVERIFY(marked->hasFocus());
        QVERIFY(marked->grab().toImage() != plain);
        QCOMPARE(marked->geometry(), geometry);
        ok->setFocus(Qt::TabFocusReason);
        QCOMPARE(marked->grab().toImage(), plain);
    }

    // What a reader says on each page is words: no title, caption or control
    // spelled out letter by letter or mixing look-alike letters of two
    // alphabets, every control named, and no two controls of a page alike.
    // The shown captions stay as they are, and the Message bar's panel says
    // nothing while it is hidden.
    void namesAreSpokenWordsUniqueOnAPage_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("Russian") << false;
        QTest::newRow("English") << true;
    }
    void namesAreSpokenWordsUniqueOnAPage() {
        QFETCH(bool, english);
        const kok::test::ScopedLanguage language(english ? kok::app::UiLanguage::English
                                                         : kok::app::UiLanguage::Russian);
        kok::test::ProgramFolder folder;
        FakeClockLink clock;
        SettingsDialog dialog(clock);
        openLock(dialog);
        dialog.openSection(SettingsDialog::Alarm);
        const QString shownTitle = part<QGroupBox>(dialog, "z_time")->title();
        // Unicode classes: Cyrillic letters are letters of words too.
        const auto unicode = QRegularExpression::UseUnicodePropertiesOption;
        static const QRegularExpression spread(R"((?<!\S)[^\W\d_]( [^\W\d_]){2,}(?!\S))", unicode);
        static const QRegularExpression word(R"(\w+)", unicode);
        const auto mixed = [](const QString& w) {
            bool cyr = false, lat = false;
            for (QChar c : w) {
                cyr |= c.script() == QChar::Script_Cyrillic;
                lat |= c.script() == QChar::Script_Latin;
            }
            return cyr && lat;
        };
        auto* tabs = part<QStackedWidget>(dialog, "tabs");
        int checked = 0;
        for (int s = 0; s < SettingsDialog::SectionCount; ++s) {
            dialog.openSection(SettingsDialog::Section(s));
            if (s == SettingsDialog::Skins) part<QRadioButton>(dialog, "o_external_98")->click();
            QMap<QString, QString> controls, groups; // name -> object
            for (QWidget* w : tabs->currentWidget()->findChildren<QWidget*>()) {
                if (!w->isVisible() || isPartOfControl(w)) continue;
                const QString name = accessibleName(w);
                const QString where = QString("%1 %2 %3").arg(s).arg(w->objectName(), name);
                QVERIFY2(!spread.match(name).hasMatch(), qPrintable(where));
                for (auto it = word.globalMatch(name); it.hasNext();)
                    QVERIFY2(!mixed(it.next().captured()), qPrintable(where));
                ++checked;
                // Groups too, among themselves: a reader says a group's name
                // on entering it (a lone field may share its group's name).
                const bool group = qobject_cast<QGroupBox*>(w);
                const bool control = group || (w->focusPolicy() & Qt::TabFocus) ||
                                     qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QAbstractSpinBox*>(w);
                if (!control || (group && name.isEmpty())) continue; // a frame without a title
                QMap<QString, QString>& alike = group ? groups : controls;
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(!alike.contains(name), qPrintable(where + " and " + alike.value(name)));
                alike.insert(name, w->objectName());
            }
        }
        QVERIFY(checked > 150);
        QCOMPARE(part<QGroupBox>(dialog, "z_time")->title(), shownTitle);
        if (english) {
            // Read in English indeed: the countdown's warnings too.
            QCOMPARE(accessibleName(part<QGroupBox>(dialog, "z_pre2")),
                     QString("second warning: before (sec)"));
            return;
        }
        QCOMPARE(accessibleName(part<QGroupBox>(dialog, "z_time")),
                 QString("время срабатывания ( чч : мм : сс )"));
        QCOMPARE(kok::dialog::spokenText(" ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS   серии NT "),
                 QString("ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЫ для WiNDOWS серии NT"));

        // The editor's lists are read in words too ("КНОПКА ВЫХОДА").
        auto* objects = part<QComboBox>(dialog, "c_objects");
        QVERIFY(objects->count() > 5);
        for (int i = 0; i < objects->count(); ++i)
            QCOMPARE(objects->itemData(i, Qt::AccessibleTextRole).toString(),
                     kok::dialog::spokenText(objects->itemText(i)));
        QCOMPARE(objects->itemData(5, Qt::AccessibleTextRole).toString(), QString("КНОПКА ВЫХОДА"));
        // And so is each list itself, by its current entry, which Qt on Linux
        // gives as the list's name: nothing chosen, the list's own name.
        auto* states = part<QComboBox>(dialog, "c_state");
        QVERIFY(!accessibleName(objects).isEmpty() && !accessibleName(states).isEmpty());
        dialog.openSection(SettingsDialog::Editor);
        part<QPushButton>(dialog, "b_new")->click();
        for (int i = 0; i < objects->count() && (i < 5 || !states->isEnabled()); ++i)
            QTest::keyClick(objects, Qt::Key_Down);
        QVERIFY(states->isEnabled());
        QCOMPARE(objects->currentText(), QString("КНОПКА ВЬIХОДА"));
        QCOMPARE(accessibleName(objects), QString("КНОПКА ВЫХОДА"));
        QCOMPARE(states->currentText(), QString("ОБЬIЧНЬIЙ"));
        QCOMPARE(accessibleName(states), QString("ОБЫЧНЫЙ"));

        kok::test::ComposedClock window("");
        window.show();
        auto* panel = part<QLabel>(window, "p_messager");
        QVERIFY(panel->isHidden());
        QCOMPARE(accessibleName(panel), QString());
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
