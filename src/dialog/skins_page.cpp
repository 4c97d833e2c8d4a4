// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/skins_page.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMouseEvent>

#include "dialog/accessible_names.h"
#include "dialog/file_chooser.h"
#include "dialog/focus_mark.h"
#include "dialog/label_click.h"
#include "dialog/plain_text.h"
#include "dialog/skin_check.h"
#include "dialog/skin_info.h"
#include "dialog/storable_text.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "platform/shell_open_ui.h"
#include "platform/translate.h"
#include "settings/autostart.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "skin/skin_choice.h"
#include "ui_skins_page.h"

namespace kok::dialog {
namespace {

namespace skins = settings::skins;

const QColor kWarningRed(255, 0, 0);
const QColor kWarningMaroon(128, 0, 0);
constexpr const char* kPanelTag = "tag"; // 0: a mail panel, 1: a web panel

void setTextColor(QWidget* w, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

bool xpOf(int family) {
    return family != 0;
}

} // namespace

SkinsPage::SkinsPage(QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::SkinsPageForm>()),
      open_([](const QString& address) { platform::shellOpen(address); }),
      chooseSkin_(
          [this](const QString& folder) { return chooseFile(this, FileKind::Skin, folder); }) {
    ui_->setupUi(this);
    keepLabelsPlain(this);
    families_[Family9x] = {
        ui_->o_default_98,
        ui_->o_extended_98,
        ui_->o_external_98,
        ui_->b_load_98,
        {ui_->si_98_name, ui_->si_98_version, ui_->si_98_author, ui_->si_98_mail, ui_->si_98_web},
        {ui_->si_9X_name, ui_->si_9X_version, ui_->si_9X_author, ui_->si_9X_mail, ui_->si_9X_web},
        false,
        {}};
    families_[FamilyNt] = {
        ui_->o_default_xp,
        ui_->o_extended_xp,
        ui_->o_external_xp,
        ui_->b_load_xp,
        {ui_->si_xp_name, ui_->si_xp_version, ui_->si_xp_author, ui_->si_xp_mail, ui_->si_xp_web},
        {ui_->si_nt_name, ui_->si_nt_version, ui_->si_nt_author, ui_->si_nt_mail, ui_->si_nt_web},
        false,
        {}};
    for (int i = 0; i < 2; ++i) {
        const auto family = Family(i);
        FamilyControls& f = families_[i];
        connect(f.simple, &QRadioButton::clicked, this, [this, family] {
            if (selects(family, families_[family].simple)) builtinClicked(family, true);
        });
        connect(f.extended, &QRadioButton::clicked, this, [this, family] {
            if (selects(family, families_[family].extended)) builtinClicked(family, false);
        });
        connect(f.external, &QRadioButton::clicked, this, [this, family] {
            if (selects(family, families_[family].external)) externalClicked(family);
        });
        connect(f.load, &QPushButton::clicked, this, [this, family] { loadExternal(family); });
        const QLabel* headers[2][2] = {{ui_->sh_98, ui_->sh_9X}, {ui_->sh_xp, ui_->sh_nt}};
        const Column columns[] = {f.current, f.chosen};
        for (int column = 0; column < 2; ++column) {
            const Column& c = columns[column];
            const QString header = headers[i][column]->text();
            c.mail->setProperty(kPanelTag, 0);
            c.web->setProperty(kPanelTag, 1);
            c.mail->setAccessibleName(
                QCoreApplication::translate("SkinsPage", "%1: почта автора").arg(header));
            c.web->setAccessibleName(
                QCoreApplication::translate("SkinsPage", "%1: сайт автора").arg(header));
            // Links are reached with Tab and opened with Enter or Space too,
            // once they hold an address (see showLink).
            for (QLabel* link : {c.mail, c.web}) {
                link->installEventFilter(this);
                link->setCursor(Qt::PointingHandCursor);
                link->setFocusPolicy(Qt::NoFocus);
                markFocus(link);
            }
        }
    }
    setTextColor(ui_->t_locker, kWarningRed);
    QFont small = ui_->t_locker->font();
    small.setPixelSize(9);
    ui_->t_locker->setFont(small);
    setTextColor(ui_->t_warning, kWarningRed);
    ui_->t_warning->hide();
}

SkinsPage::~SkinsPage() = default;

void SkinsPage::load(const settings::IniUpdate& file, SettingsGroup group) {
    if (group != SettingsGroup::Skins) return;
    // A warning left from an earlier visit would make OK drop the stored choice.
    ui_->t_warning->hide();
    for (int i = 0; i < 2; ++i) {
        FamilyControls& f = families_[i];
        const bool xp = xpOf(i);
        const skin::SkinChoice stored =
            skin::readSkinChoice(file, xp, skins::kSkinPathDialogDefault);
        SkinSource source;
        source.external = stored.external;
        source.builtinName = stored.name;
        source.folder = stored.path;
        f.folder = QString::fromStdString(source.folder);
        f.external->setToolTip(plainToolTip(f.folder));
        QRadioButton* chosen = source.external               ? f.external
                               : source.builtinName == "def" ? f.simple
                                                             : f.extended;
        chosen->setChecked(true);
        f.selected = chosen;
        readDescription(Family(i), source, false);
    }
}

void SkinsPage::save(settings::IniUpdate& file, SettingsGroup group) const {
    if (group != SettingsGroup::Skins) return;
    for (int i = 0; i < 2; ++i)
        file.writeFlag(skins::kName, skins::familyKey(xpOf(i), skins::kSkinExt),
                       families_[i].external->isChecked());
    // The name of the last built-in choice stays while an external skin is used.
    for (const auto& [simple, name] : {std::pair{true, "def"}, std::pair{false, "ext"}}) {
        for (int i = 0; i < 2; ++i) {
            const FamilyControls& f = families_[i];
            if ((simple ? f.simple : f.extended)->isChecked())
                file.writeString(skins::kName, skins::familyKey(xpOf(i), skins::kSkinName), name);
        }
    }
    for (int i = 0; i < 2; ++i)
        file.writeString(skins::kName, skins::familyKey(xpOf(i), skins::kSkinPath),
                         families_[i].folder.toStdString());
}

void SkinsPage::beforeSave() {
    // An external skin was chosen but none loaded: the built-in one chosen
    // last takes its place.
    if (ui_->t_warning->isHidden()) return;
    for (int i = 0; i < 2; ++i)
        if (families_[i].external->isChecked()) fallBack(Family(i));
}

bool SkinsPage::changesRunningSkin() const {
    const FamilyControls& f = families_[settings::IsXpFamily() ? FamilyNt : Family9x];
    return panelText(f.chosen.name) != panelText(f.current.name);
}

void SkinsPage::enterReadOnly() {
    ui_->t_locker->setEnabled(false);
}

void SkinsPage::flash(int count) {
    const bool odd = count == 1 || count == 3 || count == 5;
    setTextColor(ui_->t_warning, odd ? kWarningMaroon : kWarningRed);
}

void SkinsPage::lockerTick(int secondsLeft) {
    ui_->t_locker->setText(QString::number(secondsLeft));
    if (secondsLeft > 0) return;
    for (FamilyControls& f : families_)
        for (QWidget* w : std::initializer_list<QWidget*>{f.simple, f.extended, f.external, f.load})
            w->setEnabled(true);
    ui_->t_locker->hide();
    ui_->t_locker->setEnabled(false);
}

bool SkinsPage::readDescription(Family family, const SkinSource& source, bool newChoice) {
    SkinReading reading = readSkin(source, newChoice);
    // A new skin is worn only after a restart: one whose pictures cannot be
    // worn is refused now, not by a reset after that restart.
    if (reading.success && newChoice && source.external && !isWearableSkin(source.folder)) {
        reading.success = false;
        reading.otherVersion = false;
    }
    if (reading.info) {
        FamilyControls& f = families_[family];
        const SkinPanels& info = *reading.info;
        for (const Column* c : {&f.chosen, newChoice ? nullptr : &f.current}) {
            if (!c) continue;
            setPanelText(c->name, QString::fromStdString(info.name));
            setPanelText(c->version, QString::fromStdString(info.version));
            setPanelText(c->author, QString::fromStdString(info.author));
            showLink(c->mail, QString::fromStdString(info.mail));
            showLink(c->web, QString::fromStdString(info.web));
        }
    }
    if (reading.otherVersion)
        platform::showMessage(platform::trText("Messages", kSkinVersionWarning));
    return reading.success;
}

bool SkinsPage::selects(Family family, QRadioButton* radio) {
    QRadioButton*& selected = families_[family].selected;
    if (selected == radio) return false;
    selected = radio;
    return true;
}

void SkinsPage::builtinClicked(Family family, bool simple) {
    ui_->t_warning->hide();
    families_[family].simpleChosenLast = simple;
    SkinSource source;
    source.builtinName = simple ? "def" : "ext";
    readDescription(family, source, true);
}

void SkinsPage::externalClicked(Family family) {
    const QString warning =
        family == Family9x
            ? QCoreApplication::translate(
                  "SkinsPage", "<<<   ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS серии 9X   >>>")
            : QCoreApplication::translate(
                  "SkinsPage", "<<<   ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS серии NT   >>>");
    ui_->t_warning->setText(warning);
    ui_->t_warning->setAccessibleName(spokenText(warning));
    ui_->t_warning->show();
    emit attentionRequested();
}

void SkinsPage::loadExternal(Family family) {
    FamilyControls& f = families_[family];
    const QString file = chooseSkin_(f.folder);
    if (file.isEmpty()) return;
    // Only the folder counts: its description is always "skin.ksf".
    QString folder = QFileInfo(file).absolutePath();
    if (!folder.endsWith('/')) folder += '/';
    if (!acceptStorable(folder, fieldCaption(f.external->text()))) return;
    if (!f.external->isChecked()) {
        f.external->setChecked(true);
        if (selects(family, f.external)) externalClicked(family);
    }
    ui_->t_warning->hide();
    SkinSource source;
    source.external = true;
    source.folder = folder.toStdString();
    if (readDescription(family, source, true)) {
        f.folder = folder;
        f.external->setToolTip(plainToolTip(folder));
        return;
    }
    fallBack(family);
    platform::showMessage(platform::trText("Messages", kSkinLoadError));
}

void SkinsPage::fallBack(Family family) {
    FamilyControls& f = families_[family];
    QRadioButton* builtin = f.simpleChosenLast ? f.simple : f.extended;
    builtin->setChecked(true);
    f.selected = builtin;
    builtinClicked(family, f.simpleChosenLast);
}

bool SkinsPage::eventFilter(QObject* watched, QEvent* event) {
    if (isPressKey(event)) {
        if (auto* panel = qobject_cast<QLabel*>(watched);
            panel && panel->property(kPanelTag).isValid()) {
            openLink(panel);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* panel = qobject_cast<QLabel*>(watched);
        if (panel && mouse->button() == Qt::LeftButton &&
            panel->rect().contains(mouse->position().toPoint())) {
            openLink(panel);
            return true;
        }
    }
    return DialogPage::eventFilter(watched, event);
}

// What a link opens: empty for "-" and for anything but a web page or mail.
QString SkinsPage::linkAddress(const QLabel* panel) {
    const QVariant tag = panel->property(kPanelTag);
    if (!tag.isValid()) return {};
    const QString shown = panelText(panel);
    if (shown.isEmpty() || shown == "-" || shown == " ") return {};
    const QString address =
        tag.toInt() == 1 ? shown : QString::fromStdString(mailLink(shown.toStdString()));
    // Skins come from anyone: only web pages and mail may be opened, never a
    // program or a local file.
    return platform::isOpenableAddress(address.toStdString()) ? address : QString();
}

// A link is a Tab stop only while it opens something, and a reader hears
// what it holds after its name.
void SkinsPage::showLink(QLabel* panel, const QString& text) {
    setPanelText(panel, text);
    panel->setFocusPolicy(linkAddress(panel).isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    const QString shown = panelText(panel).trimmed();
    panel->setAccessibleDescription(shown == "-" ? QString() : shown);
}

void SkinsPage::openLink(QLabel* panel) {
    const QString address = linkAddress(panel);
    if (!address.isEmpty()) open_(address);
}

} // namespace kok::dialog
