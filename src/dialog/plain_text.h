// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace kok::dialog {

// Labels show what files hold (skin fields, paths, saved readings); a text
// that looks like markup must show as the characters it is, never load what
// an <img> in it names. Every label under `root` is switched to plain text.
void keepLabelsPlain(QWidget* root);

// A tooltip that shows `text` as it is: tooltips take any text that looks
// like markup as markup, so it is handed over escaped.
QString plainToolTip(const QString& text);

// A panel too narrow for its text shows it cut in the middle, where an
// address loses least, and the whole text as its tooltip. The whole text
// stays the panel's value (panelText).
void setPanelText(QLabel* panel, const QString& text);
QString panelText(const QLabel* panel);

} // namespace kok::dialog
