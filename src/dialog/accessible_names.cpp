// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>
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

constexpr const char* kCaptionProperty = "kokCaption";

// Titles spread out letter by letter ("в р е м я   с р а б а т ы в а н и я")
// are read as words again.
QString unspread(const QString& text) {
    static const QRegularExpression wordGap(QStringLiteral("\\s{2,}"));
    QStringList words = text.trimmed().split(wordGap, Qt::SkipEmptyParts);
    for (QString& word : words) {
        const QStringList letters = word.split(QLatin1Char(' '));
        const bool spread =
            letters.size() > 1 && std::all_of(letters.begin(), letters.end(),
                                              [](const QString& l) { return l.size() == 1; });
        if (spread) word = letters.join(QString());
    }
    return words.join(QLatin1Char(' '));
}

// Captions draw some letters with look-alikes from the other alphabet ("Ы"
// as "ЬI", "W" as "Ш"); a reader spells such a word out. A word of both
// alphabets is read in the one most of its letters are in.
QString oneAlphabet(const QString& word) {
    static const QString cyrillic = QStringLiteral("АВЕКМНОРСТХУШаеорсхуш");
    static const QString latin = QStringLiteral("ABEKMHOPCTXYWaeopcxyw");
    int cyr = 0, lat = 0;
    for (QChar c : word) {
        if (c.script() == QChar::Script_Cyrillic) ++cyr;
        if (c.script() == QChar::Script_Latin) ++lat;
    }
    if (cyr == 0 || lat == 0) return word;
    const QString& from = cyr >= lat ? latin : cyrillic;
    const QString& to = cyr >= lat ? cyrillic : latin;
    QString out = word;
    for (QChar& c : out)
        if (const qsizetype i = from.indexOf(c); i >= 0) c = to[i];
    return out;
}

QString caption(QString text) {
    text.remove(QLatin1Char('&'));
    text = spokenText(text);
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// A label, or a check box or radio button that stands for its field's row.
QString captionOf(const QWidget* w) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        text = static_cast<const QAbstractButton*>(w)->text();
    return hasWords(text) ? caption(text) : QString();
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

// The nearest caption on the field's row, else the one just above it.
QString besideText(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return {};
    const QRect field = w->geometry();
    QString best;
    int bestGap = std::numeric_limits<int>::max();
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString text = other == w ? QString() : captionOf(other);
        if (text.isEmpty()) continue;
        const QRect r = other->geometry();
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
            gap = kBesideGap + field.top() - r.bottom(); // a caption beside comes first
        }
        if (gap < bestGap) {
            bestGap = gap;
            best = text;
        }
    }
    return best;
}

// The text a control shows, when it is one of its own.
QString shownText(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    return {};
}

// The first of a row of buttons captioned by numbers only ("СИГНАЛ: (1) (2)
// (3) (4)"): the row's caption stands beside it.
const QWidget* firstOfNumberedRow(const QWidget* w) {
    constexpr int kRowGap = 8;
    const QWidget* first = w;
    for (bool moved = true; moved;) {
        moved = false;
        for (const QWidget* other :
             w->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            const QRect r = other->geometry(), f = first->geometry();
            const QString text = static_cast<const QAbstractButton*>(other)->text();
            if (text.isEmpty() || hasWords(text) || r.center().y() < f.top() ||
                r.center().y() > f.bottom() || r.right() > f.left() + 2 ||
                f.left() - r.right() > kRowGap)
                continue;
            first = other;
            moved = true;
        }
    }
    return first;
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
    const QString given = w->property(kCaptionProperty).toString();
    QString own = given.isEmpty() ? buddyText(w) : given;
    if (own.isEmpty()) own = besideText(w);
    if (given.isEmpty() && !shownText(w).isEmpty()) own = besideText(firstOfNumberedRow(w));
    const QGroupBox* group = groupOf(w, root);
    const QString title = group ? caption(group->title()) : QString();
    if (title.isEmpty()) return own;
    if (own.isEmpty() || own == title || (given.isEmpty() && fieldsLike(w, group) < 2))
        return title;
    return title + QStringLiteral(": ") + own;
}

constexpr const char* kArrowsProperty = "kokArrowsOf";

// A caption, title or label text of words that a reader would spell out is
// given the words it stands for; one it reads right is left to Qt, which
// follows its changes. A group is always named by its own title: Qt would
// name a group inside another by the outer one's.
void nameByWords(QWidget* w) {
    QString text = shownText(w);
    const auto* group = qobject_cast<const QGroupBox*>(w);
    if (group) text = group->title();
    text.remove(QLatin1Char('&'));
    if (!hasWords(text)) return;
    const QString spoken = spokenText(text);
    if (group || spoken != text.simplified()) w->setAccessibleName(spoken);
}

// The arrows beside a number field are named after it.
void nameArrows(QWidget* root) {
    for (QAbstractSpinBox* arrows : root->findChildren<QAbstractSpinBox*>()) {
        const auto* field = arrows->property(kArrowsProperty).value<QWidget*>();
        if (!field || !arrows->accessibleName().isEmpty()) continue;
        arrows->setAccessibleName(
            QCoreApplication::translate("kok::dialog::FieldCaption", "%1, стрелки")
                .arg(field->accessibleName()));
    }
}

} // namespace

QString spokenText(const QString& text) {
    QString words = unspread(QString(text).replace(QStringLiteral("ЬI"), QStringLiteral("Ы")));
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QString out;
    qsizetype last = 0;
    for (auto it = word.globalMatch(words); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += words.mid(last, m.capturedStart() - last) + oneAlphabet(m.captured());
        last = m.capturedEnd();
    }
    return (out + words.mid(last)).simplified();
}

void markArrows(QWidget* arrows, QWidget* field) {
    arrows->setProperty(kArrowsProperty, QVariant::fromValue(field));
}

void nameControls(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->window() != root->window() || !w->accessibleName().isEmpty() || isPartOfControl(w))
            continue;
        if (!isControl(w)) {
            nameByWords(w); // titles and labels
            continue;
        }
        const QString text = shownText(w).trimmed();
        if (hasWords(text)) {
            nameByWords(w);
            continue;
        }
        if (!w->toolTip().isEmpty() && !text.isEmpty())
            w->setAccessibleName(w->toolTip()); // "..." and the like say nothing
        else if (!text.isEmpty())
            w->setAccessibleName(nameFor(w, root) + QLatin1Char(' ') +
                                 text); // "1" of four patterns
        else
            w->setAccessibleName(nameFor(w, root));
    }
    nameArrows(root);
}

namespace {

// Groups of one title (the countdown's two warnings, each "перед (сек)")
// are named after the field they hold, else numbered in their order.
void tellGroupsApart(QWidget* page) {
    QMap<QString, QList<QGroupBox*>> alike;
    for (QGroupBox* group : page->findChildren<QGroupBox*>())
        if (!group->accessibleName().isEmpty()) alike[group->accessibleName()] << group;
    for (auto it = alike.cbegin(); it != alike.cend(); ++it) {
        if (it.value().size() < 2) continue;
        int number = 0;
        for (QGroupBox* group : it.value()) {
            ++number;
            QString field;
            for (const QWidget* w : group->findChildren<QWidget*>())
                if (field.isEmpty()) field = w->property(kCaptionProperty).toString();
            group->setAccessibleName(field.isEmpty()
                                         ? it.key() + QLatin1Char(' ') + QString::number(number)
                                         : field + QStringLiteral(": ") + it.key());
        }
    }
}

} // namespace

void tellControlsApart(QWidget* page) {
    QMap<QString, QList<QWidget*>> alike;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!isControl(w) || isPartOfControl(w)) continue;
        const QString name = w->accessibleName().isEmpty()
                                 ? spokenText(QString(shownText(w)).remove(QLatin1Char('&')))
                                 : w->accessibleName();
        alike[name] << w;
    }
    for (auto it = alike.cbegin(); it != alike.cend(); ++it) {
        if (it.value().size() < 2) continue;
        for (QWidget* w : it.value())
            if (const QGroupBox* group = groupOf(w, page))
                w->setAccessibleName(caption(group->title()) + QStringLiteral(": ") + it.key());
    }
    tellGroupsApart(page);
}

void describeButton(QWidget* button, SmallButton kind) {
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Прослушать выбранный звук"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Запустить выбранную программу"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Прослушать выбранный сигнал"),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать звуковой файл..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать программу..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать цвет..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать рисунок..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать шрифт..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать цвет #1 (фон)..."),
        QT_TRANSLATE_NOOP("kok::dialog::SmallButton", "Выбрать цвет #2 (текст)..."),
    };
    const QString text = QCoreApplication::translate("kok::dialog::SmallButton", kTexts[int(kind)]);
    button->setToolTip(text);
    button->setAccessibleName(text);
}

void setFieldCaption(QWidget* field, FieldCaption caption) {
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "часы"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "минуты"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "секунды"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "число"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "месяц"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "сообщение"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "первое предупреждение"),
        QT_TRANSLATE_NOOP("kok::dialog::FieldCaption", "второе предупреждение"),
    };
    field->setProperty(kCaptionProperty, QCoreApplication::translate("kok::dialog::FieldCaption",
                                                                     kTexts[int(caption)]));
}

} // namespace kok::dialog
