// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "dialog/dialog_page.h"

class QLineEdit;

namespace kok::dialog {

// The Settings file, the Alarm working copy and skin files are Windows-1251:
// a text with characters that code page cannot hold would be stored with
// '?' in their place. It is refused instead, naming the field and the characters.

// Thrown by a page's save(): OK then saves nothing, as for any invalid field.
class UnstorableText : public InvalidField {
  public:
    UnstorableText(QWidget* field, QString caption, QString characters);

    QWidget* field() const { return field_; }
    // Says which field holds what cannot be stored.
    QString message() const;

  private:
    QWidget* field_;
    QString caption_;
    QString characters_;
};

// The characters of `text` the Settings file cannot hold, each once; empty
// when it holds all of them.
QString unstorableCharacters(const QString& text);

// The field's text as the Settings file takes it; throws UnstorableText
// naming the field by `caption`.
std::string storableText(QLineEdit* field, const QString& caption);

// A text about to be taken (a path a file chooser returned, a skin's
// information): true when it can be stored; otherwise says so at once, and
// the caller keeps what it had. `alsoRefused`: characters of it the caller
// cannot keep either, named in the same message.
bool acceptStorable(const QString& text, const QString& caption, const QString& alsoRefused = {});

// Stops the field at the longest text the Settings file gives back whole
// (IniUpdate::kMaxValueLength characters): what it shows is what is stored.
// Text typed or pasted past the limit is cut, and a tooltip says the limit.
void limitToStorableLength(QLineEdit* field);

// The caption of the label, check box or option beside a field, as the
// field's name: without the colon or arrows after it and runs of blanks.
QString fieldCaption(const QString& label);

} // namespace kok::dialog
