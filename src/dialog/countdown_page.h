// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <memory>

#include "dialog/dialog_page.h"

class QLineEdit;
class QSpinBox;

namespace Ui {
class CountdownPageForm;
}

namespace kok::dialog {

class ClockLink;

// The Countdown timer's settings: whether it runs, its duration (as hours,
// minutes and seconds and as a total of seconds, kept in step), two warnings
// before its end, a reminder after it, and what happens at the end. While the
// countdown runs, its duration is locked until "ИЗМЕНИТЬ" is pressed, so that
// OK does not restart it by accident.
class CountdownPage : public DialogPage {
    Q_OBJECT

  public:
    explicit CountdownPage(ClockLink& clock, QWidget* parent = nullptr);
    ~CountdownPage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;
    void loaded() override;
    void flash(int count) override;
    void beforeSave() override;
    void saved() override;

    // The countdown started, started anew or stopped (also by its end) while
    // the page shows, from the menu, the command line or D-Bus: the switch,
    // the duration lock and the length it runs for (`CountDown` of `file`)
    // show it as a new load would, so that OK keeps what the countdown does now.
    void showCountdownRunning(const settings::IniUpdate& file);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Rule A: hours, minutes or seconds changed; rewrites the total.
    void e_timeformatChange();
    // Rule B: the total changed; rewrites hours, minutes and seconds.
    void e_secsChange();
    // A warning or reminder field changed: its arrows follow a number.
    void numberChange(QLineEdit* field, QSpinBox* arrows);
    // A field left: the fallback for a text that is no number, and the limits.
    void settleFields();
    void settleTotal();
    void settleNumber(QLineEdit* field, QSpinBox* arrows);
    void b_changeClick();
    void updateEnabled();
    void setDurationLocked(bool locked);
    void t_sound_cdnClick();
    void t_beep_cdnClick();
    void t_app_cdnClick();
    void b_sound_cdnClick();
    void b_app_cdnClick();
    int beepType() const;

    std::unique_ptr<Ui::CountdownPageForm> ui_;
    ClockLink& clock_;
    // Set while one duration rule writes the other view's fields, so that
    // their change rules only move their arrows.
    bool durationGuard_ = false;
    // The view of the duration typed in last; OK settles that one.
    bool fieldsTypedLast_ = false;
    // Only what the user edited since the load is settled into the limits.
    bool durationEdited_ = false;
    QSet<const QLineEdit*> numbersEdited_;
};

} // namespace kok::dialog
