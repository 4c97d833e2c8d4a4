// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/radio_tab_entry.h"

#include <QButtonGroup>
#include <QList>
#include <QMap>
#include <QRadioButton>

namespace kok::dialog {
namespace {

using RadioSet = QList<QRadioButton*>;

bool usable(const QRadioButton* r) {
    return r->isEnabled() && !r->isHidden();
}

// The checked radio while it can take the focus, else the first that can.
QRadioButton* entryOf(const RadioSet& set) {
    for (QRadioButton* r : set)
        if (r->isChecked() && usable(r)) return r;
    for (QRadioButton* r : set)
        if (usable(r)) return r;
    return nullptr;
}

void giveTabFocus(const RadioSet& set) {
    const QRadioButton* entry = entryOf(set);
    for (QRadioButton* r : set) {
        const Qt::FocusPolicy policy = r->focusPolicy();
        r->setFocusPolicy(r == entry ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace

void enterRadioSetsAtChecked(QWidget* root) {
    // A set is known by its group, else by the frame its radios share.
    QMap<QObject*, RadioSet> sets;
    for (QRadioButton* r : root->findChildren<QRadioButton*>()) {
        QObject* key = r->group() ? static_cast<QObject*>(r->group())
                                  : static_cast<QObject*>(r->parentWidget());
        if (r->group() || r->autoExclusive()) sets[key] << r;
    }
    for (const RadioSet& set : sets)
        giveTabFocus(set);
}

} // namespace kok::dialog
