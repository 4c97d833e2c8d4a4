// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/message_page.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "dialog/accessible_names.h"
#include "dialog/label_click.h"
#include "dialog/number_arrows.h"
#include "dialog/page_fonts.h"
#include "platform/message_box.h"
#include "platform/questions.h"
#include "platform/translate.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "skin/font_height.h"
#include "skin/skin_font.h"
#include "ui_message_page.h"

namespace kok::dialog {
namespace {

namespace keys = settings::message;
namespace main_keys = settings::main_section;

constexpr std::string_view kSameColors =
    QT_TRANSLATE_NOOP("Messages", "Использование одного и того же цвета\n"
                                  "для цветов фона и текста недопустимо.");
constexpr int kSmallFontsSize = 7;
constexpr int kArialBlackSize = 20;
constexpr int kTopBarHeight = 18;
constexpr int kCentreBarHeight = 250;

int toBgr(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// A read-only number field moved by its arrows. Either side follows the
// other; a stored value outside the arrows' range stays in the field as it is.
// Only the page writes these fields, always a number, so their fallback of 0
// for no integer is never seen.
void bindArrows(QLineEdit* field, QSpinBox* arrows) {
    attachArrows(arrows, field);
    QObject::connect(field, &QLineEdit::textChanged, arrows,
                     [field, arrows] { followField(arrows, fieldInteger(field).value_or(0)); });
}

// Sets a radio as the file says. Turning one on turns its group's others off;
// turning it off leaves the group with none on, as a stored set of flags that
// are all 0 says.
void setRadio(QAbstractButton* radio, bool on) {
    if (on || !radio->isChecked()) {
        radio->setChecked(on);
        return;
    }
    QButtonGroup* group = radio->group();
    group->setExclusive(false);
    radio->setChecked(false);
    group->setExclusive(true);
}

void setColors(QWidget* w, int background, int text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, skin::skinColor(background));
    pal.setColor(QPalette::WindowText, skin::skinColor(text));
    w->setPalette(pal);
}

} // namespace

MessagePage::MessagePage(QWidget* parent)
    : DialogPage(parent),
      ui_(std::make_unique<Ui::MessagePageForm>()), colors_{keys::dialog::kColorBG,
                                                            keys::dialog::kColorFG} {
    ui_->setupUi(this);
    describeButton(ui_->b_color1, SmallButton::ChooseBackgroundColour);
    describeButton(ui_->b_color2, SmallButton::ChooseTextColour);
    // The colour panels answer clicks only; their buttons serve the keyboard.
    ui_->b_color1->setFocusPolicy(Qt::TabFocus);
    ui_->b_color2->setFocusPolicy(Qt::TabFocus);
    ui_->o_arialblack->setFont(pageFont("Arial Black"));
    // The first group's spaced title is wider than the page in this system's
    // font; narrower gaps between its words keep all three titles alike.
    for (QGroupBox* group : {ui_->z_appearance, ui_->z_look, ui_->z_sound}) {
        QFont f = group->font();
        f.setWordSpacing(-1);
        group->setFont(f);
    }
    bindArrows(ui_->e_font, ui_->a_font);
    bindArrows(ui_->e_height, ui_->a_height);
    bindArrows(ui_->e_speed, ui_->a_speed);

    for (QAbstractButton* placement : ui_->placement->buttons())
        connect(placement, &QAbstractButton::toggled, this, [this](bool on) {
            if (on) applyPlacement();
        });
    connect(ui_->o_smallfonts, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on) return;
        ui_->e_font->setText(QString::number(kSmallFontsSize));
        updatePreviewFont();
    });
    connect(ui_->o_arialblack, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on) return;
        ui_->e_font->setText(QString::number(kArialBlackSize));
        updatePreviewFont();
    });
    connect(ui_->e_font, &QLineEdit::textChanged, this, &MessagePage::updatePreviewFont);

    connect(ui_->b_color1, &QPushButton::clicked, this, [this] { chooseColor(0); });
    connect(ui_->b_color2, &QPushButton::clicked, this, [this] { chooseColor(1); });
    ui_->p_color1->installEventFilter(this);
    ui_->p_color2->installEventFilter(this);

    updatePreviewFont();
    updatePreview();
}

MessagePage::~MessagePage() = default;

void MessagePage::load(const settings::IniUpdate& file, SettingsGroup group) {
    if (group == SettingsGroup::Main) {
        const int beep =
            file.readInteger(main_keys::kName, main_keys::kWarnBeep, main_keys::kWarnBeepDefault);
        (beep == 1 ? ui_->o_pc : ui_->o_sb)->setChecked(true);
        return;
    }
    if (group != SettingsGroup::Message) return;
    const auto flag = [&](std::string_view key, int defaultValue) {
        return file.readFlag(keys::kName, key, defaultValue != 0);
    };
    const auto number = [&](std::string_view key, int defaultValue) {
        return QString::number(file.readInteger(keys::kName, key, defaultValue));
    };
    // The placement comes first: its rule sets the font and height that the
    // stored values then replace.
    setRadio(ui_->o_center, flag(keys::kAtCenter, keys::dialog::kAtCenter));
    setRadio(ui_->o_full, flag(keys::kAtFull, keys::dialog::kAtFull));
    setRadio(ui_->o_top, flag(keys::kAtTop, keys::dialog::kAtTop));
    (flag(keys::kFont, keys::dialog::kFont) ? ui_->o_smallfonts : ui_->o_arialblack)
        ->setChecked(true);
    ui_->e_font->setText(number(keys::kSize, keys::dialog::kSize));
    ui_->e_height->setText(number(keys::kHeight, keys::dialog::kHeight));
    ui_->e_speed->setText(number(keys::kFrequency, keys::dialog::kFrequency));
    colors_[0] = file.readInteger(keys::kName, keys::kColorBG, keys::dialog::kColorBG);
    colors_[1] = file.readInteger(keys::kName, keys::kColorFG, keys::dialog::kColorFG);
    updatePreview();
}

void MessagePage::save(settings::IniUpdate& file, SettingsGroup group) const {
    if (group == SettingsGroup::Main) {
        file.writeFlag(main_keys::kName, main_keys::kWarnBeep, ui_->o_pc->isChecked());
        return;
    }
    if (group != SettingsGroup::Message) return;
    const int size = savedInteger(ui_->e_font);
    const int height = savedInteger(ui_->e_height);
    const int frequency = savedInteger(ui_->e_speed);
    file.writeFlag(keys::kName, keys::kAtCenter, ui_->o_center->isChecked());
    file.writeFlag(keys::kName, keys::kAtFull, ui_->o_full->isChecked());
    file.writeFlag(keys::kName, keys::kAtTop, ui_->o_top->isChecked());
    file.writeFlag(keys::kName, keys::kFont, ui_->o_smallfonts->isChecked());
    file.writeInteger(keys::kName, keys::kSize, size);
    file.writeInteger(keys::kName, keys::kHeight, height);
    file.writeInteger(keys::kName, keys::kFrequency, frequency);
    file.writeInteger(keys::kName, keys::kColorBG, colors_[0]);
    file.writeInteger(keys::kName, keys::kColorFG, colors_[1]);
}

bool MessagePage::eventFilter(QObject* watched, QEvent* event) {
    if (isClick(watched, event)) {
        if (watched == ui_->p_color1) chooseColor(0);
        if (watched == ui_->p_color2) chooseColor(1);
    }
    return DialogPage::eventFilter(watched, event);
}

// Only the top bar has a height of the user's choosing; the full-screen
// message always uses Arial Black.
void MessagePage::applyPlacement() {
    if (ui_->o_top->isChecked()) {
        ui_->o_smallfonts->setChecked(true);
        setHeightField(kTopBarHeight, true);
    }
    if (ui_->o_center->isChecked()) {
        ui_->o_arialblack->setChecked(true);
        setHeightField(kCentreBarHeight, false);
    }
    if (ui_->o_full->isChecked()) {
        ui_->o_arialblack->setChecked(true);
        setHeightField(QGuiApplication::primaryScreen()->geometry().height(), false);
    }
    const bool fontChoice = !ui_->o_full->isChecked();
    ui_->o_smallfonts->setEnabled(fontChoice);
    ui_->o_arialblack->setEnabled(fontChoice);
}

void MessagePage::setHeightField(int height, bool editable) {
    ui_->e_height->setText(QString::number(height));
    ui_->e_height->setEnabled(editable);
    ui_->a_height->setEnabled(editable);
}

void MessagePage::updatePreviewFont() {
    const char* face = ui_->o_smallfonts->isChecked() ? "Small Fonts" : "Arial Black";
    const int pixels = -skin::FontHeightFromSize(fieldInteger(ui_->e_font).value_or(0));
    ui_->p_preview->setFont(pageFont(face, pixels));
}

// Each swatch writes its caption in the other colour.
void MessagePage::updatePreview() {
    setColors(ui_->p_color1, colors_[0], colors_[1]);
    setColors(ui_->p_color2, colors_[1], colors_[0]);
    setColors(ui_->p_preview, colors_[0], colors_[1]);
}

void MessagePage::chooseColor(int index) {
    const std::optional<QColor> chosen =
        platform::questions().chooseColor(skin::skinColor(colors_[index]), this);
    if (!chosen) return;
    const int bgr = toBgr(*chosen);
    if (bgr == colors_[1 - index]) {
        platform::showMessage(platform::trText("Messages", kSameColors));
        return;
    }
    colors_[index] = bgr;
    updatePreview();
}

} // namespace kok::dialog
