// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/storable_text.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "settings/cp1251.h"

namespace kok::dialog {
namespace {

struct StorableText {
    Q_DECLARE_TR_FUNCTIONS(StorableText)
};

} // namespace

UnstorableText::UnstorableText(QWidget* field, QString caption, QString characters)
    : InvalidField(platform::utf8(caption)), field_(field), caption_(std::move(caption)),
      characters_(std::move(characters)) {}

QString UnstorableText::message() const {
    return StorableText::tr("Поле «%1» содержит символы, которые нельзя сохранить: %2")
        .arg(caption_, characters_);
}

QString unstorableCharacters(const QString& text) {
    return platform::qText(settings::cp1251Unstorable(platform::utf8(text)));
}

std::string storableText(QLineEdit* field, const QString& caption) {
    const QString text = field->text();
    const QString bad = unstorableCharacters(text);
    if (!bad.isEmpty()) throw UnstorableText(field, caption, bad);
    return platform::utf8(text);
}

bool acceptStorable(const QString& text, const QString& caption) {
    const QString bad = unstorableCharacters(text);
    if (bad.isEmpty()) return true;
    platform::showMessage(platform::utf8(UnstorableText(nullptr, caption, bad).message()));
    return false;
}

QString fieldCaption(const QString& label) {
    QString caption = label.simplified();
    while (caption.endsWith(':') || caption.endsWith('^') || caption.endsWith(' '))
        caption.chop(1);
    return caption;
}

} // namespace kok::dialog
