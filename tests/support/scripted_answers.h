// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests answer the program's questions through platform::questions(): set the
// next answers before the action, and the choosers and boxes are answered at
// once, in order, without a window or an event loop:
//
//     kok::test::ScriptedAnswers answers;
//     answers.nextFile(path);                       // a file or folder chooser
//     answers.nextButton(QMessageBox::RejectRole);  // a question
//     answers.nextFontAsOpened();                   // OK on a font chooser at once
//     button->click();
//     QCOMPARE(answers.asked[0].title, ...);
//
// Messages (platform::showMessage) are answered with OK and kept in `texts` and
// `captions`. A chooser or question nobody scripted fails the running test at
// once and is answered with Cancel; an answerer made inside another hands
// what it has no answer for to the outer one. Each Qt Test binary runs with
// NoQuestions installed, so a test that asks without a script fails instead
// of waiting for a window; UseRealDialogs opens the real ones.

#include <QAbstractButton>
#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>

#include "platform/questions.h"

namespace kok::test {

// Ends the running Qt Test function as failed; outside one (GoogleTest), ends
// the program: either way loudly and at once.
inline void failUnscripted(const QString& what) {
    const QByteArray message = ("a question the test did not script: " + what).toUtf8();
    if (QTest::currentTestFunction()) {
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return;
    }
    std::fprintf(stderr, "%s\n", message.constData());
    std::abort();
}

// What a question showed.
struct Asked {
    QString kind;   // "file", "save", "folder", "colour", "font", "question", "message"
    QString title;  // the window title
    QString text;   // a box's text; a chooser's start: its folder
    QString name;   // a box's object name; a file chooser's preselected file name
    QString filter; // a file chooser's name filters, one per line
};

// Fails every question: installed for the whole run of each Qt Test binary.
class NoQuestions final : public platform::Questions {
  public:
    QString chooseFile(QFileDialog& chooser) override {
        failUnscripted("file chooser \"" + chooser.windowTitle() + '"');
        return {};
    }
    std::optional<QColor> chooseColor(QColor, QWidget*) override {
        failUnscripted("colour chooser");
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont&, QWidget*) override {
        failUnscripted("font chooser");
        return std::nullopt;
    }
    QAbstractButton* ask(QMessageBox& box) override {
        failUnscripted("box \"" + box.windowTitle() + "\": " + box.text());
        return nullptr;
    }
};

class ScriptedAnswers : public platform::Questions {
  public:
    ScriptedAnswers() : previous_(platform::installQuestions(this)) {}
    ~ScriptedAnswers() override { platform::installQuestions(previous_); }
    ScriptedAnswers(const ScriptedAnswers&) = delete;
    ScriptedAnswers& operator=(const ScriptedAnswers&) = delete;

    // The next chooser's answer: a path (an empty one cancels), a colour or a
    // font (nullopt cancels); the next question's: the button of `role`.
    void nextFile(const QString& path) { files_.push_back(path); }
    void nextColor(std::optional<QColor> c) { colors_.push_back(c); }
    void nextFont(std::optional<QFont> f) { fonts_.push_back({std::move(f), false}); }
    // OK pressed as soon as the font chooser opens: the real chooser's answer,
    // the font it opened on as its lists show it.
    void nextFontAsOpened() { fonts_.push_back({std::nullopt, true}); }
    void nextButton(QMessageBox::ButtonRole role) { buttons_.push_back(role); }

    // Called with each dialog before it is answered, to look at it.
    std::function<void(QWidget&)> look;

    QList<Asked> asked;   // every question and chooser, in order
    QStringList texts;    // the messages' texts, in the order shown
    QStringList captions; // one for each text

    QString chooseFile(QFileDialog& chooser) override {
        const bool folder = chooser.fileMode() == QFileDialog::Directory;
        const bool save = chooser.acceptMode() == QFileDialog::AcceptSave;
        const QStringList preselected = chooser.selectedFiles();
        QString name;
        if (!preselected.isEmpty() && !QFileInfo(preselected.constFirst()).isDir())
            name = QFileInfo(preselected.constFirst()).fileName();
        if (files_.empty()) {
            if (auto* outer = outerAnswers()) return outer->chooseFile(chooser);
            failUnscripted("file chooser \"" + chooser.windowTitle() + '"');
            return {};
        }
        asked.append({folder ? "folder"
                      : save ? "save"
                             : "file",
                      chooser.windowTitle(), chooser.directory().absolutePath(), name,
                      chooser.nameFilters().join('\n')});
        if (look) look(chooser);
        const QString answer = files_.front();
        files_.pop_front();
        return answer;
    }
    std::optional<QColor> chooseColor(QColor initial, QWidget* parent) override {
        if (colors_.empty()) {
            if (auto* outer = outerAnswers()) return outer->chooseColor(initial, parent);
            failUnscripted("colour chooser");
            return std::nullopt;
        }
        asked.append({"colour", {}, initial.name(), {}, {}});
        const auto answer = colors_.front();
        colors_.pop_front();
        return answer;
    }
    std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent) override {
        if (fonts_.empty()) {
            if (auto* outer = outerAnswers()) return outer->chooseFont(initial, parent);
            failUnscripted("font chooser");
            return std::nullopt;
        }
        asked.append({"font", {}, initial.toString(), {}, {}});
        const FontAnswer answer = fonts_.front();
        fonts_.pop_front();
        if (answer.asOpened) return QFontDialog(initial).currentFont();
        return answer.font;
    }
    QAbstractButton* ask(QMessageBox& box) override {
        // "kok_message" names the boxes of platform::showMessage: OK only.
        if (box.objectName() == QLatin1String("kok_message")) {
            for (ScriptedAnswers* a = this; a; a = a->outerAnswers()) {
                a->texts << box.text();
                a->captions << box.windowTitle();
                a->asked.append({"message", box.windowTitle(), box.text(), box.objectName(), {}});
            }
            if (look) look(box);
            return box.button(QMessageBox::Ok);
        }
        if (buttons_.empty()) {
            if (auto* outer = outerAnswers()) return outer->ask(box);
            failUnscripted("box \"" + box.windowTitle() + "\": " + box.text());
            return nullptr;
        }
        asked.append({"question", box.windowTitle(), box.text(), box.objectName(), {}});
        if (look) look(box);
        const QMessageBox::ButtonRole role = buttons_.front();
        buttons_.pop_front();
        for (QAbstractButton* b : box.buttons())
            if (box.buttonRole(b) == role) return b;
        failUnscripted("no button of the scripted role in \"" + box.text() + '"');
        return nullptr;
    }

  private:
    ScriptedAnswers* outerAnswers() const { return dynamic_cast<ScriptedAnswers*>(previous_); }

    struct FontAnswer {
        std::optional<QFont> font;
        bool asOpened;
    };

    platform::Questions* previous_;
    std::deque<QString> files_;
    std::deque<std::optional<QColor>> colors_;
    std::deque<FontAnswer> fonts_;
    std::deque<QMessageBox::ButtonRole> buttons_;
};

// The real Qt dialogs while it lives, for the tests that cover them.
class UseRealDialogs {
  public:
    UseRealDialogs() : previous_(platform::installQuestions(nullptr)) {}
    ~UseRealDialogs() { platform::installQuestions(previous_); }
    UseRealDialogs(const UseRealDialogs&) = delete;
    UseRealDialogs& operator=(const UseRealDialogs&) = delete;

  private:
    platform::Questions* previous_;
};

} // namespace kok::test
