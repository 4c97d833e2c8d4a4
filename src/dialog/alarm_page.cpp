// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/alarm_page.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "alarms/alarm_slots.h"
#include "dialog/accessible_names.h"
#include "dialog/alarm_page_rules.h"
#include "dialog/file_chooser.h"
#include "dialog/number_arrows.h"
#include "dialog/storable_text.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/qt_text.h"
#include "platform/translate.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "signals/sound.h"
#include "signals/wave_playback.h"
#include "ui_alarm_page.h"

namespace kok::dialog {
namespace {

namespace keys = settings::alarms;
namespace defaults = settings::alarms::dialog;

using platform::qText;
using platform::utf8;

} // namespace

AlarmPage::AlarmPage(const AlarmWorkingCopy& workingCopy, QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::AlarmPageForm>()), workingCopy_(workingCopy) {
    ui_->setupUi(this);
    describeButton(ui_->t_sound_alarm, SmallButton::PlaySound);
    describeButton(ui_->b_sound_alarm, SmallButton::ChooseSound);
    describeButton(ui_->t_app_alarm, SmallButton::RunProgram);
    describeButton(ui_->b_app_alarm, SmallButton::ChooseProgram);
    describeButton(ui_->t_beep_alarm, SmallButton::PlayBeep);
    setFieldCaption(ui_->e_hrs_alarm, FieldCaption::Hours);
    setFieldCaption(ui_->e_min_alarm, FieldCaption::Minutes);
    setFieldCaption(ui_->e_sec_alarm, FieldCaption::Seconds);
    setFieldCaption(ui_->e_day, FieldCaption::Day);
    setFieldCaption(ui_->e_month, FieldCaption::Month);
    setFieldCaption(ui_->e_message_alarm, FieldCaption::Message);
    limitToStorableLength(ui_->e_message_alarm);
    weekDays_ = {ui_->o_wd0, ui_->o_wd1, ui_->o_wd2, ui_->o_wd3,
                 ui_->o_wd4, ui_->o_wd5, ui_->o_wd6};
    patterns_ = {ui_->o_1_alarm, ui_->o_2_alarm, ui_->o_3_alarm, ui_->o_4_alarm};
    messagePalette_ = ui_->e_message_alarm->palette();

    for (int slot = 0; slot < keys::kSlotCount; ++slot)
        ui_->c_alarms->addItem(QCoreApplication::translate("AlarmPage", "БУДИЛЬНИК #%1").arg(slot));
    ui_->c_alarms->setMaxVisibleItems(keys::kSlotCount);
    connect(ui_->c_alarms, &QComboBox::currentIndexChanged, this, &AlarmPage::c_alarmsChange);
    connect(ui_->o_alarm_on, &QCheckBox::toggled, this, &AlarmPage::o_alarm_onClick);

    // Each number field with its arrows, range and key; the arrows put their
    // value into the field, whose change handler writes it.
    struct Number {
        QLineEdit* field;
        QSpinBox* arrows;
        int minimum, maximum;
        std::string_view suffix; // empty: a date field
    };
    const Number numbers[] = {
        {ui_->e_hrs_alarm, ui_->a_hrs_alarm, 0, 23, keys::kHour},
        {ui_->e_min_alarm, ui_->a_min_alarm, 0, 59, keys::kMinute},
        {ui_->e_pre, ui_->a_pre, 0, 60, keys::kWarn},
        {ui_->e_after_alarm, ui_->a_after_alarm, 0, 30, keys::kRemind},
        {ui_->e_day, ui_->a_day, 1, 31, {}},
        {ui_->e_month, ui_->a_month, 1, 12, {}},
    };
    for (const Number& n : numbers) {
        n.arrows->setRange(n.minimum, n.maximum);
        attachArrows(n.arrows, n.field);
        connect(n.field, &QLineEdit::textChanged, this, [this, n] {
            if (n.suffix.empty())
                dateChange(n.field, n.arrows);
            else
                numberChange(n.field, n.arrows, n.suffix);
        });
    }
    // The seconds are always 0: their arrows go nowhere.
    ui_->a_sec_alarm->setRange(0, 0);
    attachArrows(ui_->a_sec_alarm, ui_->e_sec_alarm);

    for (QRadioButton* radio : {ui_->o_once, ui_->o_date, ui_->o_wday})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) o_wdayClick();
        });
    for (QCheckBox* day : weekDays_)
        connect(day, &QCheckBox::toggled, this, &AlarmPage::o_wd0Click);
    connect(ui_->o_sound_alarm, &QCheckBox::toggled, this, &AlarmPage::o_sound_alarmClick);
    connect(ui_->o_loop_alarm, &QCheckBox::toggled, this, [this](bool on) {
        writeNumber(keys::kLoop, on);
        activate();
    });
    connect(ui_->o_beep_alarm, &QCheckBox::toggled, this, &AlarmPage::o_beep_alarmClick);
    for (int pattern = 1; pattern <= 4; ++pattern)
        connect(patterns_[pattern - 1], &QRadioButton::toggled, this, [this, pattern](bool on) {
            if (!on) return;
            writeNumber(keys::kType, pattern);
            activate();
        });
    connect(ui_->o_app_alarm, &QCheckBox::toggled, this, &AlarmPage::o_app_alarmClick);
    // A text the working copy cannot hold is not written: the copy keeps the
    // last one it could, and leaving the slot or OK is refused until it is fixed.
    for (const TextField& t : textFields())
        connect(t.field, &QLineEdit::textChanged, this,
                [this, suffix = t.suffix](const QString& value) {
                    if (unstorableCharacters(value).isEmpty()) writeText(suffix, utf8(value));
                    activate();
                });
    ui_->e_message_alarm->installEventFilter(this);

    connect(ui_->t_sound_alarm, &QPushButton::clicked, this, &AlarmPage::t_sound_alarmClick);
    connect(ui_->t_beep_alarm, &QPushButton::clicked, this, &AlarmPage::t_beep_alarmClick);
    connect(ui_->t_app_alarm, &QPushButton::clicked, this, &AlarmPage::t_app_alarmClick);
    connect(ui_->b_sound_alarm, &QPushButton::clicked, this, [this] {
        chooseFileFor(this, ui_->b_sound_alarm, FileKind::Wave, ui_->e_sound_alarm,
                      ui_->o_sound_alarm);
    });
    connect(ui_->b_app_alarm, &QPushButton::clicked, this, [this] {
        chooseFileFor(this, ui_->b_app_alarm, FileKind::Program, ui_->e_app_alarm,
                      ui_->o_app_alarm);
    });
    // "10 сек" is stored only by OK.
    connect(ui_->o_accuracy_1, &QRadioButton::clicked, this, [this] { accuracyClick(1); });
    connect(ui_->o_accuracy_5, &QRadioButton::clicked, this, [this] { accuracyClick(5); });
    updateEnabled();
}

AlarmPage::~AlarmPage() = default;

void AlarmPage::load(const settings::IniUpdate& file, SettingsGroup group) {
    if (group != SettingsGroup::Alarms) return;
    switch (accuracyShown(file.readInteger(keys::kName, keys::kAccuracy, keys::kAccuracyDefault))) {
    case 1:
        ui_->o_accuracy_1->setChecked(true);
        break;
    case 10:
        ui_->o_accuracy_10->setChecked(true);
        break;
    default:
        ui_->o_accuracy_5->setChecked(true);
    }
}

void AlarmPage::save(settings::IniUpdate& file, SettingsGroup group) const {
    if (group != SettingsGroup::Alarms) return;
    checkTexts();
    const int accuracy = ui_->o_accuracy_1->isChecked()    ? 1
                         : ui_->o_accuracy_10->isChecked() ? 10
                                                           : 5;
    file.writeInteger(keys::kName, keys::kAccuracy, accuracy);
}

void AlarmPage::loaded() {
    {
        const QSignalBlocker quiet(ui_->c_alarms);
        ui_->c_alarms->setCurrentIndex(0);
    }
    showSlot();
}

std::array<AlarmPage::TextField, 3> AlarmPage::textFields() const {
    return {{
        {ui_->e_sound_alarm, keys::kFile, fieldCaption(ui_->o_sound_alarm->text())},
        {ui_->e_app_alarm, keys::kApp, fieldCaption(ui_->o_app_alarm->text())},
        {ui_->e_message_alarm, keys::kMessage, tr("сообщение будильника")},
    }};
}

void AlarmPage::checkTexts() const {
    for (const TextField& t : textFields())
        storableText(t.field, t.caption);
}

void AlarmPage::flash(int count) {
    QPalette palette = messagePalette_;
    if (count == 1 || count == 3 || count == 5) palette.setColor(QPalette::Text, Qt::red);
    ui_->e_message_alarm->setPalette(palette);
}

int AlarmPage::slot() const {
    return ui_->c_alarms->currentIndex();
}

// A refused write is not reported here: the dialog went read-only when it
// could not make the working copy, and OK cannot save then anyway. Showing a
// slot writes nothing: a stored value the page shows another way (a flag of
// 2, a pattern of 7) stays as it is until the user changes it.
void AlarmPage::writeText(std::string_view suffix, const std::string& value) {
    if (loading_) return;
    try {
        workingCopy_.write(keys::slotKey(slot(), suffix), value);
    } catch (const settings::WriteError&) {
    }
}

void AlarmPage::writeNumber(std::string_view suffix, int value) {
    writeText(suffix, std::to_string(value));
}

void AlarmPage::activate() {
    if (!loading_) ui_->o_alarm_on->setChecked(true);
}

// The slot shown stays while one of its texts cannot be stored: the copy
// does not hold it, so leaving would lose it.
void AlarmPage::c_alarmsChange() {
    try {
        checkTexts();
    } catch (const UnstorableText& refused) {
        {
            const QSignalBlocker quiet(ui_->c_alarms);
            ui_->c_alarms->setCurrentIndex(shownSlot_);
        }
        platform::showMessage(utf8(refused.message()));
        refused.field()->setFocus();
        return;
    }
    showSlot();
}

// Setting each control runs its handler as a user's change would, so the
// enabled states follow; nothing is written back while the slot loads.
void AlarmPage::showSlot() {
    shownSlot_ = slot();
    loading_ = true;
    const settings::IniUpdate copy = workingCopy_.read();
    const int n = slot();
    const auto number = [&](std::string_view suffix, int fallback) {
        return copy.readInteger(keys::kName, keys::slotKey(n, suffix), fallback);
    };
    const auto flag = [&](std::string_view suffix, int fallback) {
        return number(suffix, fallback) != 0;
    };
    const auto string = [&](std::string_view suffix, std::string_view fallback) {
        return qText(copy.readString(keys::kName, keys::slotKey(n, suffix), fallback));
    };

    ui_->o_alarm_on->setChecked(flag(keys::kUse, defaults::kUse));
    ui_->e_hrs_alarm->setText(QString::number(number(keys::kHour, defaults::kHour)));
    ui_->e_min_alarm->setText(QString::number(number(keys::kMinute, defaults::kMinute)));
    const std::string date = copy.readString(keys::kName, keys::slotKey(n, keys::kDate),
                                             alarm::dateText(platform::clock().now()));
    ui_->e_day->setText(qText(alarmDateDay(date)));
    ui_->e_month->setText(qText(alarmDateMonth(date)));
    ui_->e_pre->setText(QString::number(number(keys::kWarn, defaults::kWarn)));
    ui_->e_after_alarm->setText(QString::number(number(keys::kRemind, defaults::kRemind)));

    const auto regularity = regularityOf({flag(keys::kAtOnce, defaults::kAtOnce),
                                          flag(keys::kAtDate, defaults::kAtDate),
                                          flag(keys::kAtWeek, defaults::kAtWeek)});
    QRadioButton* const radios[] = {ui_->o_once, ui_->o_date, ui_->o_wday};
    if (regularity) {
        radios[int(*regularity)]->setChecked(true);
    } else {
        // No flag on: no radio chosen, which an exclusive group only allows
        // while it is not exclusive.
        ui_->regularity->setExclusive(false);
        for (QRadioButton* radio : radios)
            radio->setChecked(false);
        ui_->regularity->setExclusive(true);
    }
    for (int day = 0; day < 7; ++day)
        weekDays_[day]->setChecked(
            copy.readInteger(keys::kName, keys::weekDayKey(n, day), defaults::kAtWeekDay) != 0);

    ui_->o_sound_alarm->setChecked(flag(keys::kSound, defaults::kSound));
    ui_->e_sound_alarm->setText(string(keys::kFile, defaults::kFile));
    ui_->o_loop_alarm->setChecked(flag(keys::kLoop, defaults::kLoop));
    ui_->o_beep_alarm->setChecked(flag(keys::kBeep, defaults::kBeep));
    patterns_[beepPatternShown(number(keys::kType, defaults::kType)) - 1]->setChecked(true);
    ui_->o_app_alarm->setChecked(flag(keys::kStart, defaults::kStart));
    ui_->e_app_alarm->setText(string(keys::kApp, defaults::kApp));
    ui_->e_message_alarm->setText(
        string(keys::kMessage, platform::trText("Defaults", defaults::kMessage)));
    for (QLineEdit* field : {ui_->e_sound_alarm, ui_->e_app_alarm, ui_->e_message_alarm})
        field->setCursorPosition(0); // show where a long text begins
    loading_ = false;
    updateEnabled(); // also where a value was already shown and so ran no handler
}

void AlarmPage::showSwitched(const std::vector<int>& switched, bool on) {
    if (std::find(switched.begin(), switched.end(), shownSlot_) == switched.end()) return;
    loading_ = true; // the copy holds it already
    ui_->o_alarm_on->setChecked(on);
    loading_ = false;
}

void AlarmPage::o_alarm_onClick() {
    writeNumber(keys::kUse, ui_->o_alarm_on->isChecked());
}

void AlarmPage::numberChange(QLineEdit* field, QSpinBox* arrows, std::string_view suffix) {
    const std::optional<int> value = fieldInteger(field);
    if (!value) {
        field->setText(QStringLiteral("0")); // runs this handler again, which writes it
        return;
    }
    followField(arrows, *value);
    writeNumber(suffix, *value);
    activate();
}

void AlarmPage::dateChange(QLineEdit* field, QSpinBox* arrows) {
    const std::optional<int> value = fieldInteger(field);
    if (!value) {
        field->setText(QStringLiteral("1"));
        return;
    }
    followField(arrows, *value);
    writeText(keys::kDate, alarmDate(utf8(ui_->e_day->text()), utf8(ui_->e_month->text())));
    activate();
}

void AlarmPage::o_wdayClick() {
    updateEnabled();
    if (loading_) return;
    const RegularityFlags flags =
        regularityFlags(ui_->o_once->isChecked()   ? Regularity::Once
                        : ui_->o_date->isChecked() ? Regularity::OnDate
                                                   : Regularity::ByWeekday);
    writeNumber(keys::kAtOnce, flags.atOnce);
    writeNumber(keys::kAtDate, flags.atDate);
    writeNumber(keys::kAtWeek, flags.atWeek);
    activate();
}

void AlarmPage::o_wd0Click() {
    if (loading_) return;
    for (int day = 0; day < 7; ++day)
        writeNumber(std::string(keys::kAtWeekDay) + std::to_string(day),
                    weekDays_[day]->isChecked());
    activate();
}

void AlarmPage::o_sound_alarmClick() {
    updateEnabled();
    writeNumber(keys::kSound, ui_->o_sound_alarm->isChecked());
    activate();
}

void AlarmPage::o_beep_alarmClick() {
    updateEnabled();
    writeNumber(keys::kBeep, ui_->o_beep_alarm->isChecked());
    activate();
}

void AlarmPage::o_app_alarmClick() {
    updateEnabled();
    writeNumber(keys::kStart, ui_->o_app_alarm->isChecked());
    activate();
}

void AlarmPage::updateEnabled() {
    for (QCheckBox* day : weekDays_)
        day->setEnabled(ui_->o_wday->isChecked());
    const bool dated = ui_->o_date->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->e_day, ui_->a_day, ui_->e_month, ui_->a_month})
        w->setEnabled(dated);
    const bool sound = ui_->o_sound_alarm->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->e_sound_alarm, ui_->t_sound_alarm,
                                                      ui_->b_sound_alarm, ui_->o_loop_alarm})
        w->setEnabled(sound);
    const bool beep = ui_->o_beep_alarm->isChecked();
    for (QRadioButton* radio : patterns_)
        radio->setEnabled(beep);
    ui_->t_beep_alarm->setEnabled(beep);
    const bool app = ui_->o_app_alarm->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->e_app_alarm, ui_->t_app_alarm, ui_->b_app_alarm})
        w->setEnabled(app);
}

int AlarmPage::beepPattern() const {
    for (int pattern = 4; pattern >= 2; --pattern)
        if (patterns_[pattern - 1]->isChecked()) return pattern;
    return 1;
}

void AlarmPage::t_sound_alarmClick() {
    playSoundFile(ui_->e_sound_alarm->text());
}

// Holds the dialog for the pattern's length (a few seconds at most), as the
// pattern is played tone by tone.
void AlarmPage::t_beep_alarmClick() {
    signal::PlayBeepType(beepPattern());
}

void AlarmPage::t_app_alarmClick() {
    platform::startCommandLine(utf8(ui_->e_app_alarm->text()));
}

// Stored at once in the Settings file: it stays even when the dialog is
// cancelled.
void AlarmPage::accuracyClick(int seconds) {
    try {
        settings::openSettings().writeInteger(keys::kName, keys::kAccuracy, seconds);
    } catch (const settings::WriteError&) {
    }
}

bool AlarmPage::eventFilter(QObject* watched, QEvent* event) {
    // A click into the message selects all of it, ready to be typed over;
    // after the field's own handling, which would place the cursor.
    if (watched == ui_->e_message_alarm && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, ui_->e_message_alarm, &QLineEdit::selectAll);
    return DialogPage::eventFilter(watched, event);
}

} // namespace kok::dialog
