// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog without a mouse: Tab runs through the page's fields to OK and
// Cancel, Enter presses the focused button, Ctrl+PgDown and Ctrl+PgUp step
// through the sections as through the tabs of a tab widget.

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include "dialog/radio_tab_entry.h"
#include "dialog/settings_dialog.h"
#include "ui_settings_dialog.h"

namespace kok::dialog {

void SettingsDialog::setUpKeyboard() {
    // Tab reaches OK and Cancel; a click still leaves the focus where it was.
    // The pages come later in the focus chain, so the chain runs from the
    // page's last field to OK and Cancel and round to its first field.
    ui_->c_ok->setFocusPolicy(Qt::TabFocus);
    ui_->c_cancel->setFocusPolicy(Qt::TabFocus);
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, [this] { stepSection(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, [this] { stepSection(-1); });
}

// Round the sections, over those the read-only state closed.
void SettingsDialog::stepSection(int step) {
    for (int i = 1; i < SectionCount; ++i) {
        const int s = ((current_ + step * i) % SectionCount + SectionCount) % SectionCount;
        if (!sectionButtons_[s]->isEnabled()) continue;
        sectionButtons_[s]->click();
        return;
    }
}

// The section buttons take no focus: without this it would stay on the
// page left behind, hidden.
void SettingsDialog::focusFirstField() {
    QWidget* page = pages_[current_];
    enterRadioSetsAtChecked(page);
    for (QWidget* w = page->nextInFocusChain(); page->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (!w->focusProxy() && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // A page with no field left open: Cancel, which the read-only state leaves.
    ui_->c_cancel->setFocus(Qt::TabFocusReason);
}

// Pages check radios as they load, often with signals blocked: the entries
// are worked out as the focus moves.
bool SettingsDialog::focusNextPrevChild(bool next) {
    enterRadioSetsAtChecked(this);
    return QDialog::focusNextPrevChild(next);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    // The pages' buttons are no default buttons, so that Enter in a field
    // presses none of them; Enter on one of them presses it, as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && button &&
        button->isEnabled()) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kok::dialog
