// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <limits>

namespace kok::dialog {
namespace {

// Beside a field: at most this far to its left or right, or just above it.
constexpr int kBesideGap = 60;
constexpr int kAboveGap = 20;

bool hasWords(const QString& text) {
    for (QChar c : text)
        if (c.isLetter()) return true;
    return false;
}

QString caption(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// Parts of a composite control (a spin box's line edit, a list's scroll
// bars) are named by the control itself.
bool isPartOfControl(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return qobject_cast<const QScrollBar*>(w) || qobject_cast<const QAbstractSpinBox*>(parent) ||
           qobject_cast<const QComboBox*>(parent) ||
           qobject_cast<const QAbstractScrollArea*>(parent) ||
           (parent && qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()));
}

bool isControl(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) || qobject_cast<const QAbstractButton*>(w);
}

QString buddyText(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return {};
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w && hasWords(label->text())) return caption(label->text());
    return {};
}

// The nearest label of words on the field's row, else the one just above it.
QString besideText(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return {};
    const QRect field = w->geometry();
    QString best;
    int bestGap = std::numeric_limits<int>::max();
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!hasWords(label->text())) continue;
        const QRect r = label->geometry();
        int gap = std::numeric_limits<int>::max();
        const int middle = r.center().y();
        if (middle >= field.top() && middle <= field.bottom()) {
            if (r.right() <= field.left() + 2)
                gap = field.left() - r.right();
            else if (r.left() >= field.right() - 2)
                gap = r.left() - field.right();
            if (gap > kBesideGap) gap = std::numeric_limits<int>::max();
        } else if (r.bottom() <= field.top() + 2 && field.top() - r.bottom() <= kAboveGap &&
                   r.left() < field.right() && r.right() > field.left()) {
            gap = kBesideGap + field.top() - r.bottom(); // a label beside comes first
        }
        if (gap < bestGap) {
            bestGap = gap;
            best = caption(label->text());
        }
    }
    return best;
}

const QGroupBox* groupOf(const QWidget* w, const QWidget* root) {
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(p)) return group;
    return nullptr;
}

// Fields of the same kind in the group, which the group's title alone does
// not tell apart.
int fieldsLike(const QWidget* w, const QGroupBox* group) {
    int count = 0;
    for (const QWidget* other : group->findChildren<QWidget*>())
        if (other->metaObject() == w->metaObject() && isControl(other) && !isPartOfControl(other))
            ++count;
    return count;
}

QString nameFor(const QWidget* w, const QWidget* root) {
    QString own = buddyText(w);
    if (own.isEmpty()) own = besideText(w);
    const QGroupBox* group = groupOf(w, root);
    const QString title = group ? caption(group->title()) : QString();
    if (title.isEmpty()) return own;
    if (own.isEmpty() || own == title || fieldsLike(w, group) < 2) return title;
    return title + QStringLiteral(": ") + own;
}

} // namespace

void nameControls(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!isControl(w) || isPartOfControl(w) || w->window() != root->window() ||
            !w->accessibleName().isEmpty())
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (hasWords(button->text())) continue; // Qt names it by its caption
            if (!button->toolTip().isEmpty()) {
                w->setAccessibleName(button->toolTip());
                continue;
            }
        }
        w->setAccessibleName(nameFor(w, root));
    }
}

void describeButton(QAbstractButton* button, SmallButton kind) {
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Прослушать выбранный звук"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Запустить выбранную программу"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Прослушать выбранный сигнал"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать звуковой файл..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать программу..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать цвет..."),
    };
    const QString text = QCoreApplication::translate("kok::dialog::SmallButton", kTexts[int(kind)]);
    button->setToolTip(text);
    button->setAccessibleName(text);
}

} // namespace kok::dialog
