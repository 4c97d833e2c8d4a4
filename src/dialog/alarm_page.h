// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QString>
#include <array>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "dialog/alarm_working_copy.h"
#include "dialog/dialog_page.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace Ui {
class AlarmPageForm;
}

namespace kok::dialog {

// The alarm page: one of the ten alarm slots at a time, chosen in a list.
// Every change is written at once into the dialog's working copy of the
// slots, so switching slots loses nothing and OK only has to copy the file
// back. The check accuracy is the page's one key of the Settings file.
class AlarmPage : public DialogPage {
    Q_OBJECT

  public:
    // The page edits the dialog's working copy of the slots.
    explicit AlarmPage(const AlarmWorkingCopy& workingCopy, QWidget* parent = nullptr);
    ~AlarmPage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;
    // The working copy exists now: show slot 0.
    void loaded() override;
    void flash(int count) override;
    // These slots were switched on or off in the working copy meanwhile.
    void showSwitched(const std::vector<int>& switched, bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void c_alarmsChange();
    void o_alarm_onClick();
    // The four plain number fields and the two date fields.
    void numberChange(QLineEdit* field, QSpinBox* arrows, std::string_view suffix);
    void dateChange(QLineEdit* field, QSpinBox* arrows);
    void o_wdayClick();
    void o_wd0Click();
    void o_sound_alarmClick();
    void o_beep_alarmClick();
    void o_app_alarmClick();
    void t_sound_alarmClick();
    void t_beep_alarmClick();
    void t_app_alarmClick();
    void accuracyClick(int seconds);

    int slot() const;
    // The slot's text fields with their keys and their names in messages.
    struct TextField {
        QLineEdit* field;
        std::string_view suffix;
        QString caption;
    };
    std::array<TextField, 3> textFields() const;
    // Throws UnstorableText when a text field holds what cannot be stored.
    void checkTexts() const;
    // Loads the chosen slot into the page.
    void showSlot();
    void writeNumber(std::string_view suffix, int value);
    void writeText(std::string_view suffix, const std::string& value);
    // A change to a slot makes it active, unless the slot is being loaded.
    void activate();
    void updateEnabled();
    int beepPattern() const;

    std::unique_ptr<Ui::AlarmPageForm> ui_;
    const AlarmWorkingCopy& workingCopy_;
    std::array<QCheckBox*, 7> weekDays_{};    // index = week day, 0 = Sunday
    std::array<QRadioButton*, 4> patterns_{}; // pattern 1 to 4
    QPalette messagePalette_;
    bool loading_ = false;
    int shownSlot_ = 0; // the slot the fields show
};

} // namespace kok::dialog
