#pragma once

#include <QString>

#include "dialog/file_kinds.h"

class QWidget;

namespace kok::dialog {

// The dialog's shared "open file" chooser. Returns the chosen file's full
// path, or an empty text when the user cancels. `currentPath` is the path now
// in the page's field; its folder is where the chooser starts (a skin always
// starts in a skin folder: the user's SKINS if any, else the program's).
QString chooseFile(QWidget* parent, FileKind kind, const QString& currentPath);

} // namespace kok::dialog
