// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/spoken_combo_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace kok::dialog {
namespace {

constexpr const char* kInWordsProperty = "kokEntriesInWords";

class SpokenComboBox : public QAccessibleWidget {
  public:
    explicit SpokenComboBox(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name || t == QAccessible::Value) {
            const QString spoken = list->currentData(Qt::AccessibleTextRole).toString();
            const QString entry = spoken.isEmpty() ? list->currentText() : spoken;
            if (!entry.isEmpty()) return entry;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* spokenComboBoxFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (!list || !list->property(kInWordsProperty).toBool()) return nullptr;
    return new SpokenComboBox(list);
}

} // namespace

void readEntriesInWords(QComboBox* list) {
    static const bool installed = [] {
        QAccessible::installFactory(spokenComboBoxFactory);
        return true;
    }();
    (void)installed;
    list->setProperty(kInWordsProperty, true);
    // Qt may have made the plain interface already, while the form was set
    // up: forget it, so that the next question gets this one.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(list);
    if (made && !dynamic_cast<SpokenComboBox*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace kok::dialog
