// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/radio_tab_entry.h"

#include <QButtonGroup>
#include <QList>
#include <QMap>
#include <QRadioButton>

namespace kok::dialog {
namespace {

using RadioSet = QList<QRadioButton*>;

void giveTabFocus(const RadioSet& set) {
    QRadioButton* entry = nullptr;
    for (QRadioButton* r : set)
        if (r->isChecked()) entry = r;
    if (!entry && !set.isEmpty()) entry = set.first();
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
