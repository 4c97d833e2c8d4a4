// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/number_arrows.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "dialog/dialog_page.h"
#include "dialog/field_integer.h"
#include "platform/qt_text.h"

namespace kok::dialog {

void attachArrows(QSpinBox* arrows, QLineEdit* field) {
    if (auto* text = arrows->findChild<QLineEdit*>()) text->hide();
    arrows->setFocusPolicy(Qt::NoFocus);
    arrows->setKeyboardTracking(false);
    arrows->setWrapping(false);
    QObject::connect(arrows, &QSpinBox::valueChanged, field,
                     [field](int value) { field->setText(QString::number(value)); });
}

void followField(QSpinBox* arrows, int value) {
    const QSignalBlocker quiet(arrows);
    arrows->setValue(value);
}

std::optional<int> fieldInteger(const QLineEdit* field) {
    return fieldInteger(platform::utf8(field->text()));
}

int savedInteger(const QLineEdit* field) {
    const std::optional<int> value = fieldInteger(field);
    if (!value) throw InvalidField(platform::utf8(field->objectName()));
    return *value;
}

} // namespace kok::dialog
