#include "dialog/number_arrows.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

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

} // namespace kok::dialog
