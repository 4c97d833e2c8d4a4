// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/stopwatch_page.h"

#include "dialog/clock_link.h"
#include "dialog/stopwatch_reading.h"
#include "face/time_text.h"
#include "platform/clock.h"
#include "platform/qt_text.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "timers/timer_state.h"
#include "ui_stopwatch_page.h"

namespace kok::dialog {
namespace {

namespace keys = settings::timer;

using platform::qText;

QString missedText(int dropped) {
    return QString::fromStdString(timers::stopwatchText(dropped));
}

} // namespace

StopwatchPage::StopwatchPage(ClockLink& clock, QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::StopwatchPageForm>()), clock_(clock) {
    ui_->setupUi(this);
    saveButtons_ = {ui_->b_save1, ui_->b_save2, ui_->b_save3, ui_->b_save4, ui_->b_save5};
    savedLabels_ = {ui_->t_save1, ui_->t_save2, ui_->t_save3, ui_->t_save4, ui_->t_save5};
    for (int i = 0; i < keys::kSavedCount; ++i)
        connect(saveButtons_[i], &QPushButton::clicked, this, [this, i] { b_save0Click(i + 1); });
    connect(ui_->b_clear, &QPushButton::clicked, this, &StopwatchPage::b_clearClick);
    connect(ui_->b_pause_timer, &QPushButton::clicked, this, &StopwatchPage::b_pause_timerClick);
    connect(ui_->b_resume_timer, &QPushButton::clicked, this, &StopwatchPage::b_resume_timerClick);
    connect(ui_->b_reset, &QPushButton::clicked, this, &StopwatchPage::b_resetClick);
}

StopwatchPage::~StopwatchPage() = default;

void StopwatchPage::load(const settings::IniUpdate& file, SettingsGroup group) {
    if (group != SettingsGroup::Timer) return;
    for (int i = 0; i < keys::kSavedCount; ++i)
        savedLabels_[i]->setText(QString::fromStdString(
            file.readString(keys::kName, keys::savedKey(i + 1), keys::dialog::kSaved)));
    showMode(file.readFlag(keys::kName, keys::kTerminate, keys::dialog::kTerminate));
}

void StopwatchPage::showMode(bool stopMode) {
    ui_->o_stop->setChecked(stopMode);
    ui_->o_pause->setChecked(!stopMode);
}

void StopwatchPage::save(settings::IniUpdate& file, SettingsGroup group) const {
    if (group != SettingsGroup::Timer) return;
    for (int i = 0; i < keys::kSavedCount; ++i)
        file.writeString(keys::kName, keys::savedKey(i + 1), savedLabels_[i]->text().toStdString());
    file.writeFlag(keys::kName, keys::kTerminate, ui_->o_stop->isChecked());
}

void StopwatchPage::setSaveButtonsEnabled(bool enabled) {
    for (QPushButton* b : saveButtons_)
        b->setEnabled(enabled);
}

void StopwatchPage::refresh() {
    const bool ticking = clock_.stopwatchTicking();
    const bool paused = clock_.stopwatchPaused();
    if (ticking || paused) {
        const platform::LocalTime now = platform::clock().now();
        const timers::StopwatchInfo info = timers::readStopwatchInfo(
            settings::IniFile(timers::timerStatePath()).snapshot(), now.secondOfDay());
        ui_->v_start->setText(QString::fromStdString(info.startTime));
        ui_->v_timer->setText(QString::fromStdString(timers::stopwatchText(info.elapsed)));
        // A pause has no current time, and its missed time is not known yet.
        ui_->v_current->setText(paused ? qText(kPausedValue)
                                       : QString::fromStdString(clock::timeText(now)));
        ui_->v_missed->setText(paused ? qText(kPausedValue) : missedText(info.dropped));
    } else {
        for (QLabel* v : {ui_->v_start, ui_->v_current, ui_->v_missed, ui_->v_timer})
            v->setText(qText(kNoValue));
    }
    QWidget* const focused = focusWidget();
    const bool hadFocus = focused && focused->hasFocus();
    setSaveButtonsEnabled(ticking);
    ui_->b_pause_timer->setEnabled(ticking);
    ui_->b_resume_timer->setEnabled(paused);
    ui_->b_reset->setEnabled(ticking || paused);
    if (hadFocus && !focused->isEnabled()) keepFocusFrom(focused);
}

// A button that disabled itself hands the focus to the one that takes its
// place, never along the chain: a second Enter would stop the stopwatch or
// erase the saved readings. Stopped, nothing takes the place of the
// stopwatch's buttons, so the focus goes to the harmless mode choice.
void StopwatchPage::keepFocusFrom(QWidget* disabled) {
    QWidget* next = ui_->o_stop->isChecked() ? ui_->o_stop : ui_->o_pause;
    if (disabled == ui_->b_pause_timer && ui_->b_resume_timer->isEnabled())
        next = ui_->b_resume_timer;
    else if (disabled == ui_->b_resume_timer && ui_->b_pause_timer->isEnabled())
        next = ui_->b_pause_timer;
    next->setFocus(Qt::OtherFocusReason);
}

void StopwatchPage::showStopwatchTime(const QString& text) {
    ui_->v_timer->setText(text);
}

void StopwatchPage::showClockTime(const QString& text) {
    // The current time belongs to a reading only while the stopwatch counts.
    if (clock_.stopwatchTicking()) ui_->v_current->setText(text);
}

void StopwatchPage::b_save0Click(int slot) {
    const std::string reading =
        stopwatchReading(ui_->v_timer->text().toStdString(), ui_->v_start->text().toStdString(),
                         ui_->v_current->text().toStdString(), ui_->v_missed->text().toStdString());
    savedLabels_[slot - 1]->setText(QString::fromStdString(reading));
    try {
        settings::openSettings().writeString(keys::kName, keys::savedKey(slot), reading);
    } catch (const settings::WriteError&) {
        // The page reports nothing; OK tries again and reports a failure.
    }
}

void StopwatchPage::b_clearClick() {
    for (QLabel* label : savedLabels_)
        label->setText(qText(keys::dialog::kSaved));
    try {
        settings::openSettings().update([](settings::IniUpdate& file) {
            for (int i = 1; i <= keys::kSavedCount; ++i)
                file.writeString(keys::kName, keys::savedKey(i), keys::dialog::kSaved);
        });
    } catch (const settings::WriteError&) {
    }
}

void StopwatchPage::b_pause_timerClick() {
    clock_.pauseStopwatch();
    refresh();
}

void StopwatchPage::b_resume_timerClick() {
    clock_.resumeStopwatch();
    refresh();
}

void StopwatchPage::b_resetClick() {
    clock_.toggleStopwatch();
    refresh();
}

} // namespace kok::dialog
