// SPDX-License-Identifier: GPL-3.0-or-later
// Esc and the window's close: Cancel, but not over edits OK would save
// without asking first.

#include <QMessageBox>
#include <QPushButton>

#include "dialog/settings_dialog.h"
#include "dialog/unsaved_edits.h"
#include "platform/questions.h"
#include "settings/settings_file.h"
#include "ui_settings_dialog.h"

namespace kok::dialog {

// Taken once the pages show what they loaded; a field that could not be saved
// then counts as changed as soon as it is any different.
void SettingsDialog::rememberLoadedState() {
    try {
        loadedSave_ = pendingSave();
    } catch (const InvalidField&) {
        loadedSave_ = settings::IniUpdate();
    }
}

bool SettingsDialog::hasEditsToLose() const {
    // Read-only, OK cannot save anything that closing could lose.
    if (!pagesBuilt_ || readOnly_) return false;
    try {
        return dialog::hasUnsavedEdits(loadedSave_, pendingSave(),
                                       settings::openSettings().snapshot());
    } catch (const InvalidField&) {
        return true; // OK would refuse it, but it is the user's typing all the same
    }
}

bool SettingsDialog::confirmDiscard() {
    QMessageBox box(QMessageBox::Question, windowTitle(), tr("Отменить несохранённые изменения?"),
                    QMessageBox::NoButton, this);
    box.setObjectName("kok_discard_question");
    box.setTextFormat(Qt::PlainText);
    QPushButton* discard = box.addButton(tr("Отменить изменения"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(tr("Продолжить правку"), QMessageBox::RejectRole);
    // Enter or Esc in the question keeps the edits: losing them takes a choice.
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    return platform::questions().ask(box) == discard;
}

void SettingsDialog::reject() {
    // Only when Cancel could be pressed (not while the Message bar shows).
    if (!ui_->c_cancel->isEnabled()) return;
    if (hasEditsToLose() && !confirmDiscard()) return;
    c_cancelClick();
}

} // namespace kok::dialog
