// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/message_panel.h"

#include <QAccessibleWidget>

namespace kok::signal {
namespace {

class PanelAccessible : public QAccessibleWidget {
  public:
    explicit PanelAccessible(QLabel* panel) : QAccessibleWidget(panel, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        // Hidden, the panel holds a placeholder no one should hear.
        if (t == QAccessible::Name)
            return widget()->isVisible() ? static_cast<QLabel*>(widget())->text() : QString();
        return QAccessibleWidget::text(t);
    }
};

// Asked first for the most derived class, so Qt's own label interface is
// never asked for the panel.
QAccessibleInterface* panelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(MessagePanel::staticMetaObject.className()))
        return new PanelAccessible(static_cast<MessagePanel*>(object));
    return nullptr;
}

} // namespace

MessagePanel::MessagePanel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QAccessible::installFactory(panelInterface);
}

} // namespace kok::signal
