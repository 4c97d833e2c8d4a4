// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/number_arrows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "dialog/accessible_names.h"
#include "dialog/dialog_page.h"
#include "dialog/field_integer.h"
#include "platform/qt_text.h"

namespace kok::dialog {
namespace {

// Up and Down step the field as a click on its arrows does, Page Up and Page
// Down ten times as far: a field that cannot be typed into is changed from
// the keyboard too.
class ArrowKeys : public QObject {
  public:
    ArrowKeys(QSpinBox* arrows, QLineEdit* field) : QObject(field), arrows_(arrows) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !arrows_->isEnabled())
            return false;
        const int steps = stepsFor(key->key());
        if (steps == 0) return false;
        arrows_->stepBy(steps);
        return true;
    }

  private:
    static int stepsFor(int key) {
        switch (key) {
        case Qt::Key_Up:
            return 1;
        case Qt::Key_Down:
            return -1;
        case Qt::Key_PageUp:
            return 10;
        case Qt::Key_PageDown:
            return -10;
        default:
            return 0;
        }
    }

    QSpinBox* arrows_;
};

} // namespace

void attachArrows(QSpinBox* arrows, QLineEdit* field) {
    field->installEventFilter(new ArrowKeys(arrows, field));
    markArrows(arrows, field);
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
