// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/countdown_page.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "dialog/accessible_names.h"
#include "dialog/clock_link.h"
#include "dialog/countdown_rules.h"
#include "dialog/file_chooser.h"
#include "dialog/number_arrows.h"
#include "dialog/storable_text.h"
#include "platform/process.h"
#include "platform/translate.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "signals/sound.h"
#include "signals/wave_playback.h"
#include "ui_countdown_page.h"

namespace kok::dialog {
namespace {

namespace keys = settings::timer;
namespace defaults = settings::timer::dialog;

} // namespace

CountdownPage::CountdownPage(ClockLink& clock, QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::CountdownPageForm>()), clock_(clock) {
    ui_->setupUi(this);
    describeButton(ui_->t_sound_cdn, SmallButton::PlaySound);
    describeButton(ui_->b_sound_cdn, SmallButton::ChooseSound);
    describeButton(ui_->t_app_cdn, SmallButton::RunProgram);
    describeButton(ui_->b_app_cdn, SmallButton::ChooseProgram);
    describeButton(ui_->t_beep_cdn, SmallButton::PlayBeep);
    setFieldCaption(ui_->e_hrs_cdn, FieldCaption::Hours);
    setFieldCaption(ui_->e_min_cdn, FieldCaption::Minutes);
    setFieldCaption(ui_->e_sec_cdn, FieldCaption::Seconds);
    setFieldCaption(ui_->e_pre1, FieldCaption::FirstWarning);
    setFieldCaption(ui_->e_pre2, FieldCaption::SecondWarning);
    setFieldCaption(ui_->e_message_cdn, FieldCaption::Message);
    limitToStorableLength(ui_->e_message_cdn);
    const std::pair<QLineEdit*, QSpinBox*> pairs[] = {
        {ui_->e_hrs_cdn, ui_->a_hrs_cdn},    {ui_->e_min_cdn, ui_->a_min_cdn},
        {ui_->e_sec_cdn, ui_->a_sec_cdn},    {ui_->e_secs, ui_->a_secs},
        {ui_->e_pre1, ui_->a_pre1},          {ui_->e_pre2, ui_->a_pre2},
        {ui_->e_after_cdn, ui_->a_after_cdn}};
    for (auto [field, arrows] : pairs)
        attachArrows(arrows, field);
    for (QLineEdit* field : {ui_->e_hrs_cdn, ui_->e_min_cdn, ui_->e_sec_cdn}) {
        connect(field, &QLineEdit::textChanged, this, &CountdownPage::e_timeformatChange);
        connect(field, &QLineEdit::editingFinished, this, &CountdownPage::settleFields);
    }
    connect(ui_->e_secs, &QLineEdit::textChanged, this, &CountdownPage::e_secsChange);
    connect(ui_->e_secs, &QLineEdit::editingFinished, this, &CountdownPage::settleTotal);
    // A step of the arrows is a finished edit.
    for (QSpinBox* arrows : {ui_->a_hrs_cdn, ui_->a_min_cdn, ui_->a_sec_cdn})
        connect(arrows, &QSpinBox::valueChanged, this, &CountdownPage::settleFields);
    connect(ui_->a_secs, &QSpinBox::valueChanged, this, &CountdownPage::settleTotal);
    for (auto [field, arrows] : {pairs[4], pairs[5], pairs[6]}) {
        connect(field, &QLineEdit::textChanged, this,
                [this, field, arrows] { numberChange(field, arrows); });
        connect(field, &QLineEdit::editingFinished, this,
                [this, field, arrows] { settleNumber(field, arrows); });
    }

    for (QCheckBox* box : {ui_->o_sound_cdn, ui_->o_beep_cdn, ui_->o_app_cdn})
        connect(box, &QCheckBox::toggled, this, &CountdownPage::updateEnabled);
    connect(ui_->b_change, &QPushButton::clicked, this, &CountdownPage::b_changeClick);
    connect(ui_->t_sound_cdn, &QPushButton::clicked, this, &CountdownPage::t_sound_cdnClick);
    connect(ui_->t_beep_cdn, &QPushButton::clicked, this, &CountdownPage::t_beep_cdnClick);
    connect(ui_->t_app_cdn, &QPushButton::clicked, this, &CountdownPage::t_app_cdnClick);
    connect(ui_->b_sound_cdn, &QPushButton::clicked, this, &CountdownPage::b_sound_cdnClick);
    connect(ui_->b_app_cdn, &QPushButton::clicked, this, &CountdownPage::b_app_cdnClick);
    ui_->e_message_cdn->installEventFilter(this);
    ui_->b_change->hide(); // shown while the countdown runs
    updateEnabled();
}

CountdownPage::~CountdownPage() = default;

void CountdownPage::e_timeformatChange() {
    const std::optional<int> h = fieldInteger(ui_->e_hrs_cdn), m = fieldInteger(ui_->e_min_cdn),
                             s = fieldInteger(ui_->e_sec_cdn);
    if (h && m) {
        const QSignalBlocker quiet(ui_->a_sec_cdn);
        ui_->a_sec_cdn->setMinimum(secondsMinimum(*h, *m));
    }
    for (auto [value, arrows] :
         {std::pair{h, ui_->a_hrs_cdn}, std::pair{m, ui_->a_min_cdn}, std::pair{s, ui_->a_sec_cdn}})
        if (value) followField(arrows, *value);
    if (durationGuard_) return;
    durationEdited_ = true;
    fieldsTypedLast_ = true;
    // A field that holds no number yet waits until it is left.
    const std::optional<int> total =
        typedTotal(ui_->e_hrs_cdn->text().toStdString(), ui_->e_min_cdn->text().toStdString(),
                   ui_->e_sec_cdn->text().toStdString());
    if (!total) return;
    durationGuard_ = true;
    ui_->e_secs->setText(QString::number(*total));
    durationGuard_ = false;
}

void CountdownPage::e_secsChange() {
    const std::optional<int> total = fieldInteger(ui_->e_secs);
    if (total) followField(ui_->a_secs, *total);
    if (durationGuard_) return;
    durationEdited_ = true;
    fieldsTypedLast_ = false;
    if (!total) return; // until it is left
    durationGuard_ = true;
    const Duration d = splitDuration(*total);
    ui_->e_hrs_cdn->setText(QString::number(d.hours));
    ui_->e_min_cdn->setText(QString::number(d.minutes));
    ui_->e_sec_cdn->setText(QString::number(d.seconds));
    durationGuard_ = false;
}

void CountdownPage::settleFields() {
    if (!durationEdited_) return;
    const Duration d =
        settledFields(ui_->e_hrs_cdn->text().toStdString(), ui_->e_min_cdn->text().toStdString(),
                      ui_->e_sec_cdn->text().toStdString());
    durationGuard_ = true;
    ui_->e_hrs_cdn->setText(QString::number(d.hours));
    ui_->e_min_cdn->setText(QString::number(d.minutes));
    ui_->e_sec_cdn->setText(QString::number(d.seconds));
    durationGuard_ = false;
    e_timeformatChange();
}

void CountdownPage::settleTotal() {
    if (!durationEdited_) return;
    ui_->e_secs->setText(QString::number(settledTotal(ui_->e_secs->text().toStdString())));
    e_secsChange();
}

void CountdownPage::numberChange(QLineEdit* field, QSpinBox* arrows) {
    numbersEdited_.insert(field);
    if (const std::optional<int> value = fieldInteger(field)) followField(arrows, *value);
}

void CountdownPage::settleNumber(QLineEdit* field, QSpinBox* arrows) {
    if (!numbersEdited_.contains(field)) return;
    const std::optional<int> value = fieldInteger(field);
    field->setText(
        QString::number(value ? std::clamp(*value, arrows->minimum(), arrows->maximum()) : 0));
}

void CountdownPage::updateEnabled() {
    const bool sound = ui_->o_sound_cdn->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->e_sound_cdn, ui_->t_sound_cdn,
                                                      ui_->b_sound_cdn, ui_->o_loop_cdn})
        w->setEnabled(sound);
    const bool beep = ui_->o_beep_cdn->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->o_1_cdn, ui_->o_2_cdn, ui_->o_3_cdn,
                                                      ui_->o_4_cdn, ui_->t_beep_cdn})
        w->setEnabled(beep);
    const bool app = ui_->o_app_cdn->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->e_app_cdn, ui_->t_app_cdn, ui_->b_app_cdn})
        w->setEnabled(app);
}

void CountdownPage::setDurationLocked(bool locked) {
    ui_->b_change->setVisible(locked);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->e_secs, ui_->a_secs, ui_->e_hrs_cdn, ui_->a_hrs_cdn, ui_->e_min_cdn,
             ui_->a_min_cdn, ui_->e_sec_cdn, ui_->a_sec_cdn})
        w->setEnabled(!locked);
}

void CountdownPage::b_changeClick() {
    setDurationLocked(false);
}

int CountdownPage::beepType() const {
    if (ui_->o_4_cdn->isChecked()) return 4;
    if (ui_->o_3_cdn->isChecked()) return 3;
    if (ui_->o_2_cdn->isChecked()) return 2;
    return 1;
}

void CountdownPage::t_sound_cdnClick() {
    playSoundFile(ui_->e_sound_cdn->text());
}

void CountdownPage::t_beep_cdnClick() {
    if (ui_->beepPattern->checkedButton()) signal::PlayBeepType(beepType());
}

void CountdownPage::t_app_cdnClick() {
    platform::startCommandLine(ui_->e_app_cdn->text().toStdString());
}

void CountdownPage::b_sound_cdnClick() {
    chooseFileFor(this, ui_->b_sound_cdn, FileKind::Wave, ui_->e_sound_cdn, ui_->o_sound_cdn);
}

void CountdownPage::b_app_cdnClick() {
    chooseFileFor(this, ui_->b_app_cdn, FileKind::Program, ui_->e_app_cdn, ui_->o_app_cdn);
}

bool CountdownPage::eventFilter(QObject* watched, QEvent* event) {
    // A click into the message selects all of it, ready to be typed over.
    if (watched == ui_->e_message_cdn && event->type() == QEvent::MouseButtonRelease)
        ui_->e_message_cdn->setSelection(0, int(ui_->e_message_cdn->text().size()));
    return DialogPage::eventFilter(watched, event);
}

void CountdownPage::flash(int count) {
    QPalette p = ui_->e_message_cdn->palette();
    p.setColor(QPalette::Text, count % 2 == 1 ? QColor(Qt::red) : palette().color(QPalette::Text));
    ui_->e_message_cdn->setPalette(p);
}

void CountdownPage::load(const settings::IniUpdate& file, SettingsGroup group) {
    if (group != SettingsGroup::Timer) return;
    const auto flag = [&](std::string_view key, int fallback) {
        return file.readFlag(keys::kName, key, fallback != 0);
    };
    const auto integer = [&](std::string_view key, int fallback) {
        return QString::number(file.readInteger(keys::kName, key, fallback));
    };
    const auto text = [&](std::string_view key, std::string_view fallback) {
        return QString::fromStdString(file.readString(keys::kName, key, fallback));
    };
    ui_->o_cdn_on->setChecked(flag(keys::kUse, defaults::kUse));
    ui_->e_secs->setText(integer(keys::kCountDown, defaults::kCountDown));
    e_secsChange(); // also when the text stays: fields left half typed follow it
    ui_->e_pre1->setText(integer(keys::kWarn1, defaults::kWarn1));
    ui_->e_pre2->setText(integer(keys::kWarn2, defaults::kWarn2));
    ui_->e_after_cdn->setText(integer(keys::kRemind, defaults::kRemind));
    ui_->o_sound_cdn->setChecked(flag(keys::kSound, defaults::kSound));
    ui_->o_loop_cdn->setChecked(flag(keys::kLoop, defaults::kLoop));
    ui_->e_sound_cdn->setText(text(keys::kFile, defaults::kFile));
    ui_->o_beep_cdn->setChecked(flag(keys::kBeep, defaults::kBeep));
    const bool asTime = flag(keys::kAsTime, defaults::kAsTime);
    ui_->o_time->setChecked(asTime);
    ui_->o_secs->setChecked(!asTime);
    QRadioButton* radios[] = {ui_->o_1_cdn, ui_->o_2_cdn, ui_->o_3_cdn, ui_->o_4_cdn};
    radios[beepRadioForType(file.readInteger(keys::kName, keys::kType, defaults::kType)) - 1]
        ->setChecked(true);
    ui_->o_app_cdn->setChecked(flag(keys::kStart, defaults::kStart));
    ui_->e_app_cdn->setText(text(keys::kApp, defaults::kApp));
    ui_->e_message_cdn->setText(
        text(keys::kMessage, platform::trText("Defaults", defaults::kMessage)));
    updateEnabled();
    // What was loaded stands as it is, even outside the page's limits, until
    // the user edits it: a hand-set value survives an OK made for something else.
    durationEdited_ = false;
    numbersEdited_.clear();
}

void CountdownPage::save(settings::IniUpdate& file, SettingsGroup group) const {
    if (group != SettingsGroup::Timer) return;
    const auto integer = [&](std::string_view key, const QLineEdit* field) {
        file.writeInteger(keys::kName, key, savedInteger(field));
    };
    const auto flag = [&](std::string_view key, const QAbstractButton* box) {
        file.writeFlag(keys::kName, key, box->isChecked());
    };
    const auto text = [&](std::string_view key, QLineEdit* field, const QString& caption) {
        file.writeString(keys::kName, key, storableText(field, caption));
    };
    flag(keys::kUse, ui_->o_cdn_on);
    integer(keys::kCountDown, ui_->e_secs);
    integer(keys::kWarn1, ui_->e_pre1);
    integer(keys::kWarn2, ui_->e_pre2);
    integer(keys::kRemind, ui_->e_after_cdn);
    flag(keys::kSound, ui_->o_sound_cdn);
    flag(keys::kLoop, ui_->o_loop_cdn);
    text(keys::kFile, ui_->e_sound_cdn, fieldCaption(ui_->o_sound_cdn->text()));
    flag(keys::kBeep, ui_->o_beep_cdn);
    flag(keys::kAsTime, ui_->o_time);
    file.writeInteger(keys::kName, keys::kType, beepType());
    flag(keys::kStart, ui_->o_app_cdn);
    text(keys::kApp, ui_->e_app_cdn, fieldCaption(ui_->o_app_cdn->text()));
    text(keys::kMessage, ui_->e_message_cdn, tr("сообщение таймера"));
}

void CountdownPage::loaded() {
    setDurationLocked(clock_.countdownRunning());
}

void CountdownPage::showCountdownRunning(const settings::IniUpdate& file) {
    const bool running = clock_.countdownRunning();
    ui_->o_cdn_on->setChecked(running);
    setDurationLocked(running);
    if (!running) return;
    // A start from outside may have set a new length: the one it runs for
    // replaces what the page showed, as not edited here.
    ui_->e_secs->setText(
        QString::number(file.readInteger(keys::kName, keys::kCountDown, defaults::kCountDown)));
    e_secsChange();
    durationEdited_ = false;
}

void CountdownPage::beforeSave() {
    if (fieldsTypedLast_)
        settleFields();
    else
        settleTotal();
    for (auto [field, arrows] :
         {std::pair{ui_->e_pre1, ui_->a_pre1}, std::pair{ui_->e_pre2, ui_->a_pre2},
          std::pair{ui_->e_after_cdn, ui_->a_after_cdn}})
        settleNumber(field, arrows);
}

void CountdownPage::saved() {
    // A duration left locked lets a running countdown run on towards its end.
    clock_.setCountdownRestart(ui_->b_change->isHidden());
}

} // namespace kok::dialog
