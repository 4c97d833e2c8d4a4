// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "dialog/file_kinds.h"

class QAbstractButton;
class QFileDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kok::dialog {

// Where the chooser opens for the path now in a page's field: the folder of
// a file that is there, with its name in the name box; else the folder the
// path names, if that exists, with an empty name box. A command line that is
// no path (a program with its arguments) opens nowhere in particular.
struct ChooserStart {
    QString folder;
    QString fileName;
};
ChooserStart chooserStart(FileKind kind, const QString& currentPath);

// The dialog's shared "open file" chooser, set up for a kind and ready to run.
std::unique_ptr<QFileDialog> makeFileChooser(QWidget* parent, FileKind kind,
                                             const QString& currentPath);

// Runs the chooser. Returns the chosen file's full path, or an empty text when
// the user cancels. A skin always starts in a skin folder: the user's SKINS if
// any, else the program's.
QString chooseFile(QWidget* parent, FileKind kind, const QString& currentPath);

// The "..." beside a page's path field: runs the chooser from `button` for the
// path in `field`, and puts the chosen path there when the Settings file can
// hold it; otherwise says so, naming the field by the caption of `label`.
// The focus ends on `button`.
void chooseFileFor(QWidget* parent, QPushButton* button, FileKind kind, QLineEdit* field,
                   const QAbstractButton* label);

// The "!!!" beside a page's sound field: plays the file once, and says why
// when the file is refused for its size (the default sound plays instead).
void playSoundFile(const QString& path);

} // namespace kok::dialog
