// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/storable_text.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>

#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "settings/cp1251.h"
#include "settings/ini_file.h"

namespace kok::dialog {
namespace {

struct StorableText {
    Q_DECLARE_TR_FUNCTIONS(StorableText)
};

// Each character with its code, so that invisible and combining ones can be
// told apart and read out: "☕ (U+2615), é (U+00E9)".
QString listWithCodes(const QString& characters) {
    QStringList listed;
    for (const char32_t cp : characters.toUcs4())
        listed << QStringLiteral("%1 (U+%2)")
                      .arg(QString::fromUcs4(&cp, 1),
                           QString::number(uint(cp), 16).toUpper().rightJustified(4, u'0'));
    return listed.join(QStringLiteral(", "));
}

} // namespace

UnstorableText::UnstorableText(QWidget* field, QString caption, QString characters)
    : InvalidField(platform::utf8(caption)), field_(field), caption_(std::move(caption)),
      characters_(std::move(characters)) {}

QString UnstorableText::message() const {
    return StorableText::tr("Поле «%1» содержит символы, которые нельзя сохранить: %2")
        .arg(caption_, listWithCodes(characters_));
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

bool acceptStorable(const QString& text, const QString& caption, const QString& alsoRefused) {
    QString bad = alsoRefused;
    for (const char32_t cp : unstorableCharacters(text).toUcs4())
        if (!bad.toUcs4().contains(cp)) bad += QString::fromUcs4(&cp, 1);
    if (bad.isEmpty()) return true;
    platform::showMessage(platform::utf8(UnstorableText(nullptr, caption, bad).message()));
    return false;
}

void limitToStorableLength(QLineEdit* field) {
    field->setMaxLength(int(settings::IniUpdate::kMaxValueLength));
    // Typing or pasting past the limit says so beside the field.
    QObject::connect(field, &QLineEdit::inputRejected, field, [field] {
        if (field->text().size() < field->maxLength()) return; // refused for another reason
        QToolTip::showText(
            field->mapToGlobal(QPoint(0, field->height())),
            StorableText::tr("В поле помещается не более %1 знаков.").arg(field->maxLength()),
            field);
    });
}

QString fieldCaption(const QString& label) {
    QString caption = label.simplified();
    while (caption.endsWith(':') || caption.endsWith('^') || caption.endsWith(' '))
        caption.chop(1);
    return caption;
}

} // namespace kok::dialog
