// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/plain_text.h"

#include <QLabel>
#include <QTextDocument>

namespace kok::dialog {
namespace {

constexpr const char* kWholeText = "wholeText";

} // namespace

void keepLabelsPlain(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (auto* label = qobject_cast<QLabel*>(root)) label->setTextFormat(Qt::PlainText);
}

QString plainToolTip(const QString& text) {
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap);
}

void setPanelText(QLabel* panel, const QString& text) {
    panel->setTextFormat(Qt::PlainText);
    panel->setProperty(kWholeText, text);
    const int room = panel->contentsRect().width() - 2 * panel->margin() - 2;
    const QString shown = panel->fontMetrics().elidedText(text, Qt::ElideMiddle, room);
    panel->setText(shown);
    panel->setToolTip(shown == text ? QString() : plainToolTip(text));
}

QString panelText(const QLabel* panel) {
    const QVariant whole = panel->property(kWholeText);
    return whole.isValid() ? whole.toString() : panel->text();
}

} // namespace kok::dialog
