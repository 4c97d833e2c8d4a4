// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "dialog/dialog_page.h"

class QLabel;
class QPushButton;

namespace Ui {
class StopwatchPageForm;
}

namespace kok::dialog {

class ClockLink;

// The running Stopwatch: its start, the current time, the time it spent
// paused and its reading, fed by the Clock window's ticks; pause, resume and
// stop; five remembered readings; the mode of the clock's timer button. Its
// buttons act at once, without waiting for OK.
class StopwatchPage : public DialogPage {
    Q_OBJECT

  public:
    explicit StopwatchPage(ClockLink& clock, QWidget* parent = nullptr);
    ~StopwatchPage() override;

    void load(const settings::IniUpdate& file, SettingsGroup group) override;
    void save(settings::IniUpdate& file, SettingsGroup group) const override;
    void loaded() override { refresh(); }

    // Run on showing the dialog and whenever the stopwatch starts, stops,
    // pauses or resumes, from wherever: the page shows its state from scratch.
    void refresh();
    // The clock's ticks.
    void showStopwatchTime(const QString& text);
    void showClockTime(const QString& text);
    // The button mode chosen from the clock's menu meanwhile (true: a click stops).
    void showMode(bool stopMode);

  private:
    void b_save0Click(int slot);
    void b_clearClick();
    void b_pause_timerClick();
    void b_resume_timerClick();
    void b_resetClick();
    void setSaveButtonsEnabled(bool enabled);
    void keepFocusFrom(QWidget* disabled);

    std::unique_ptr<Ui::StopwatchPageForm> ui_;
    ClockLink& clock_;
    std::array<QPushButton*, 5> saveButtons_{};
    std::array<QLabel*, 5> savedLabels_{};
};

} // namespace kok::dialog
