// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way the program asks its user something: every file and folder
// chooser, colour and font chooser, message box and question goes through
// `questions()`. The callers set a dialog up as the user will see it and hand
// it over; the answerer runs it. The default one opens the real Qt dialogs;
// tests install their own that answers at once from a script
// (tests/support/scripted_answers.h), so no test waits for a modal window.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QAbstractButton;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace kok::platform {

class Questions {
  public:
    virtual ~Questions() = default;
    // A file or folder chooser, set up to open or save; the chosen path, or an
    // empty text when the user cancels.
    virtual QString chooseFile(QFileDialog& chooser) = 0;
    virtual std::optional<QColor> chooseColor(QColor initial, QWidget* parent) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent) = 0;
    // A message box or question; the button the user pressed (none when the
    // box was closed without one).
    virtual QAbstractButton* ask(QMessageBox& box) = 0;
};

// The answerer in use: the real dialogs unless another is installed.
Questions& questions();

// Installs `answerer` in place of the one in use and gives back that one, to
// be put back later; nullptr puts back the real dialogs.
Questions* installQuestions(Questions* answerer);

} // namespace kok::platform
