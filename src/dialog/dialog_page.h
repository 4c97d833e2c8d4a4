// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <stdexcept>

namespace kok::settings {
class IniUpdate;
}

namespace kok::dialog {

// The groups of keys of the Settings file. Loading on show and saving on OK
// walk them in fixed orders (see SettingsDialog); within a group the pages
// take their turn in page order.
enum class SettingsGroup { Main, Skins, Hour, Indicator, Alarms, Timer, Message };

// A field that must hold an integer does not; OK then saves nothing.
class InvalidField : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One page of the Settings dialog. The frame owns the pages and calls them;
// a page never reaches into another page.
class DialogPage : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    // Shows the page's keys of `group` as read from the Settings file (a
    // missing key shows the dialog's default).
    virtual void load(const settings::IniUpdate& file, SettingsGroup group);
    // Writes the page's keys of `group`, in the page's key order. Throws
    // InvalidField when a number field does not hold an integer.
    virtual void save(settings::IniUpdate& file, SettingsGroup group) const;
    // Every group has been loaded; the page may refresh what depends on them.
    virtual void loaded() {}
    // Changes can no longer be saved (the program's folder is read-only).
    virtual void enterReadOnly() {}
    // The dialog's flash count (1 to 6) while the page's message fields flash.
    virtual void flash(int count) { Q_UNUSED(count); }
    // The skin-choice lock: seconds left; 0 opens the lock.
    virtual void lockerTick(int secondsLeft) { Q_UNUSED(secondsLeft); }
    // After a save: whether the running family's skin changed, so that the
    // program restarts to wear it.
    virtual bool changesRunningSkin() const { return false; }
    // OK is about to save: the page may settle a choice left half made.
    virtual void beforeSave() {}
    // OK has saved; the Clock window reloads next.
    virtual void saved() {}

  signals:
    // The page wants the dialog's attention flash (see flash()).
    void attentionRequested();
};

} // namespace kok::dialog
