// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/options_page.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <filesystem>

#include "dialog/accessible_names.h"
#include "dialog/clock_link.h"
#include "dialog/file_chooser.h"
#include "dialog/focus_mark.h"
#include "dialog/label_click.h"
#include "dialog/number_arrows.h"
#include "dialog/product_info.h"
#include "dialog/storable_text.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/qt_text.h"
#include "platform/run_key_store.h"
#include "platform/translate.h"
#include "settings/autostart.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "signals/voice_pack.h"
#include "signals/wave_playback.h"
#include "ui_options_page.h"

namespace kok::dialog {
namespace {

namespace main_keys = settings::main_section;
namespace hour_keys = settings::hour;
namespace indicator_keys = settings::indicator;

// %1 is the web site.
constexpr const char* kVoicePackHint = QT_TRANSLATE_NOOP(
    "Messages", "Для активации дополнительных функций ежечасного оповещения\n"
                "необходима специальная библиотека (файл «kOkvoice.dll», ~500Кб),\n"
                "которую можно скачать с сайта %1 ...");

// Loading a flag into a radio: turning one on turns its group's others off,
// turning one off leaves them alone, so a file with several kinds at 1 shows
// the last one loaded and a file with none shows none.
void setRadio(QRadioButton* radio, bool on) {
    if (radio->isChecked() == on) return;
    radio->setAutoExclusive(on); // an exclusive group refuses to clear its checked button
    radio->setChecked(on);
    radio->setAutoExclusive(true);
}

} // namespace

OptionsPage::OptionsPage(ClockLink& clock, QWidget* parent, platform::RunKeyStore* autostartStore)
    : DialogPage(parent), clock_(clock), autostartStore_(autostartStore),
      ui_(std::make_unique<Ui::OptionsPage>()) {
    if (!autostartStore_) {
        ownStore_ = std::make_unique<platform::XdgAutostartStore>(
            platform::XdgAutostartStore::defaultFolder());
        autostartStore_ = ownStore_.get();
    }
    ui_->setupUi(this);
    describeButton(ui_->t_snd, SmallButton::PlaySound);
    describeButton(ui_->b_snd, SmallButton::ChooseSound);

    // The group titles are spelt with blanks between the letters; narrower
    // blanks let the longest one fit the page. The controls inside keep
    // normal blanks.
    for (QGroupBox* group : {ui_->z_position, ui_->z_hour, ui_->z_extened}) {
        QFont narrow;
        narrow.setWordSpacing(-1);
        group->setFont(narrow);
        QFont normal;
        normal.setWordSpacing(0);
        for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            control->setFont(normal);
    }

    // The clock may go as far as its whole face stays on the screen, and a
    // little above the top edge.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->size() - clock_.clockSize();
        ui_->a_xx->setRange(0, room.width());
        ui_->a_yy->setRange(-5, room.height());
    }

    std::error_code ec;
    voicePack_ =
        std::filesystem::exists(platform::executableDir() / signal::kVoicePackFileName, ec);
    ui_->miniHelp->setVisible(!voicePack_);
    ui_->o_hour_sb->setEnabled(voicePack_);
    ui_->o_hour_say->setEnabled(voicePack_);
    ui_->miniHelp->installEventFilter(this);
    // The hint opens with Enter or Space as well as with a click.
    ui_->miniHelp->setFocusPolicy(Qt::TabFocus);
    markFocus(ui_->miniHelp);
    ui_->miniHelp->setToolTip(
        tr("Почему голосовые функции недоступны (щёлкните или нажмите Enter)"));

    connect(ui_->o_autostart, &QCheckBox::toggled, this, &OptionsPage::autostartToggled);
    connect(ui_->e_xx, &QLineEdit::textChanged, this,
            [this] { positionEdited(ui_->e_xx, ui_->a_xx, true); });
    connect(ui_->e_yy, &QLineEdit::textChanged, this,
            [this] { positionEdited(ui_->e_yy, ui_->a_yy, false); });
    attachArrows(ui_->a_xx, ui_->e_xx);
    attachArrows(ui_->a_yy, ui_->e_yy);
    connect(ui_->o_hour, &QCheckBox::toggled, this, &OptionsPage::hourToggled);
    for (QRadioButton* kind : {ui_->o_hour_pc, ui_->o_hour_sb, ui_->o_hour_snd, ui_->o_hour_say})
        connect(kind, &QRadioButton::toggled, this, [this](bool on) {
            if (on) chimeKindChosen();
        });
    connect(ui_->t_snd, &QPushButton::clicked, this, &OptionsPage::playChime);
    connect(ui_->b_snd, &QPushButton::clicked, this, &OptionsPage::chooseChimeFile);
}

OptionsPage::~OptionsPage() = default;

void OptionsPage::load(const settings::IniUpdate& file, SettingsGroup group) {
    switch (group) {
    case SettingsGroup::Main: {
        // Setting the box acts like a click: an existing entry is written
        // again with the path of the program that runs now. A store that
        // cannot be read leaves the box as it was.
        if (const auto exists = settings::autostartEntryExists(*autostartStore_))
            ui_->o_autostart->setChecked(*exists);
        const QPoint at = clock_.clockPosition();
        ui_->e_xx->setText(
            QString::number(file.readInteger(main_keys::kName, main_keys::kPosX, at.x())));
        ui_->e_yy->setText(
            QString::number(file.readInteger(main_keys::kName, main_keys::kPosY, at.y())));
        ui_->o_priority->setChecked(file.readFlag(main_keys::kName, main_keys::kPriority,
                                                  main_keys::kPriorityDefault != 0));
        ui_->o_desktops->setChecked(file.readFlag(main_keys::kName, main_keys::kAllDesktops,
                                                  main_keys::kAllDesktopsDefault != 0));
        ui_->o_notify->setChecked(
            file.readFlag(main_keys::kName, main_keys::kNotify, main_keys::kNotifyDefault != 0));
        break;
    }
    case SettingsGroup::Hour: {
        const auto flag = [&](std::string_view key, int defaultValue) {
            return file.readFlag(hour_keys::kName, key, defaultValue != 0);
        };
        ui_->o_hour->setChecked(flag(hour_keys::kUse, hour_keys::kUseDefault));
        setRadio(ui_->o_hour_say, flag(hour_keys::kVoice, hour_keys::kVoiceDefault));
        setRadio(ui_->o_hour_snd, flag(hour_keys::kWave, hour_keys::kWaveDefault));
        setRadio(ui_->o_hour_sb, flag(hour_keys::kSound, hour_keys::kSoundDefault));
        setRadio(ui_->o_hour_pc, flag(hour_keys::kBeep, hour_keys::kBeepDefault));
        ui_->e_snd->setText(QString::fromStdString(
            file.readString(hour_keys::kName, hour_keys::kFile, hour_keys::kFileDefault)));
        break;
    }
    case SettingsGroup::Indicator: {
        const auto flag = [&](std::string_view key, int defaultValue) {
            return file.readFlag(indicator_keys::kName, key, defaultValue != 0);
        };
        ui_->o_system->setChecked(
            flag(indicator_keys::kSystemTime, indicator_keys::kSystemTimeDefault));
        setRadio(ui_->o_zero, flag(indicator_keys::kAsZero, indicator_keys::kAsZeroDefault));
        setRadio(ui_->o_none, flag(indicator_keys::kAsNone, indicator_keys::kAsNoneDefault));
        setRadio(ui_->o_null, flag(indicator_keys::kAsNull, indicator_keys::kAsNullDialogDefault));
        break;
    }
    default:
        break;
    }
}

void OptionsPage::save(settings::IniUpdate& file, SettingsGroup group) const {
    switch (group) {
    case SettingsGroup::Main: {
        const int x = savedInteger(ui_->e_xx);
        const int y = savedInteger(ui_->e_yy);
        file.writeInteger(main_keys::kName, main_keys::kPosX, x);
        file.writeInteger(main_keys::kName, main_keys::kPosY, y);
        file.writeFlag(main_keys::kName, main_keys::kPriority, ui_->o_priority->isChecked());
        file.writeFlag(main_keys::kName, main_keys::kAllDesktops, ui_->o_desktops->isChecked());
        file.writeFlag(main_keys::kName, main_keys::kNotify, ui_->o_notify->isChecked());
        break;
    }
    case SettingsGroup::Hour:
        file.writeFlag(hour_keys::kName, hour_keys::kUse, ui_->o_hour->isChecked());
        file.writeFlag(hour_keys::kName, hour_keys::kVoice, ui_->o_hour_say->isChecked());
        file.writeFlag(hour_keys::kName, hour_keys::kWave, ui_->o_hour_snd->isChecked());
        file.writeFlag(hour_keys::kName, hour_keys::kSound, ui_->o_hour_sb->isChecked());
        file.writeFlag(hour_keys::kName, hour_keys::kBeep, ui_->o_hour_pc->isChecked());
        file.writeString(hour_keys::kName, hour_keys::kFile,
                         storableText(ui_->e_snd, fieldCaption(ui_->o_hour_snd->text())));
        break;
    case SettingsGroup::Indicator:
        file.writeFlag(indicator_keys::kName, indicator_keys::kSystemTime,
                       ui_->o_system->isChecked());
        file.writeFlag(indicator_keys::kName, indicator_keys::kAsZero, ui_->o_zero->isChecked());
        file.writeFlag(indicator_keys::kName, indicator_keys::kAsNone, ui_->o_none->isChecked());
        file.writeFlag(indicator_keys::kName, indicator_keys::kAsNull, ui_->o_null->isChecked());
        break;
    default:
        break;
    }
}

// The autostart box keeps working: it does not write the Settings file.
void OptionsPage::enterReadOnly() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->z_position, ui_->e_xx, ui_->e_yy,
                                                      ui_->z_hour, ui_->z_extened, ui_->o_priority,
                                                      ui_->o_desktops, ui_->o_notify})
        w->setEnabled(false);
    ui_->o_hour->setChecked(false);
    ui_->o_hour->setEnabled(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_->o_system, ui_->o_null, ui_->o_none, ui_->o_zero})
        w->setEnabled(false);
}

void OptionsPage::showClockPosition(QPoint position) {
    ui_->e_xx->setText(QString::number(position.x()));
    ui_->e_yy->setText(QString::number(position.y()));
}

void OptionsPage::showSystemTime(bool on) {
    ui_->o_system->setChecked(on);
}

bool OptionsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->miniHelp && (isClick(watched, event) || isPressKey(event))) {
        platform::showMessage(platform::utf8(
            platform::trQ("Messages", kVoicePackHint).arg(platform::qText(product::kWebSite))));
        return event->type() == QEvent::KeyPress;
    }
    return DialogPage::eventFilter(watched, event);
}

void OptionsPage::autostartToggled(bool on) {
    if (settings::setAutostartEntry(*autostartStore_, on, platform::executablePath())) return;
    // The store refuses: the box is of no use until the program ends.
    const QSignalBlocker quiet(ui_->o_autostart);
    ui_->o_autostart->setChecked(false);
    ui_->o_autostart->setEnabled(false);
}

// Every change moves the clock at once. A text that is no integer gives way
// to where the clock is: this page's own fallback, where the other pages put
// a fixed number in its place.
void OptionsPage::positionEdited(QLineEdit* field, QSpinBox* arrows, bool horizontal) {
    const QPoint at = clock_.clockPosition();
    const std::optional<int> value = fieldInteger(field);
    if (!value) {
        field->setText(QString::number(horizontal ? at.x() : at.y()));
        return;
    }
    // The arrows stop at their limits; a typed value beyond them stays.
    followField(arrows, *value);
    clock_.moveClockTo(horizontal ? QPoint(*value, at.y()) : QPoint(at.x(), *value));
}

void OptionsPage::hourToggled() {
    const bool on = ui_->o_hour->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->o_hour_pc, ui_->o_hour_snd, ui_->e_snd,
                                                      ui_->t_snd, ui_->b_snd})
        w->setEnabled(on);
    ui_->o_hour_sb->setEnabled(on && voicePack_);
    ui_->o_hour_say->setEnabled(on && voicePack_);
    if (on) chimeKindChosen();
}

void OptionsPage::chimeKindChosen() {
    const bool file = ui_->o_hour_snd->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->e_snd, ui_->b_snd, ui_->t_snd})
        w->setEnabled(file);
}

// Plays the file once and returns at once.
void OptionsPage::playChime() {
    playSoundFile(ui_->e_snd->text());
}

void OptionsPage::chooseChimeFile() {
    chooseFileFor(this, ui_->b_snd, FileKind::Wave, ui_->e_snd, ui_->o_hour_snd);
}

} // namespace kok::dialog
