// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/skin_editor_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScrollArea>

#include "dialog/accessible_names.h"
#include "dialog/file_chooser.h"
#include "dialog/file_kinds.h"
#include "dialog/focus_mark.h"
#include "dialog/label_click.h"
#include "dialog/number_arrows.h"
#include "dialog/plain_text.h"
#include "dialog/spoken_combo_box.h"
#include "dialog/storable_text.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/qt_text.h"
#include "platform/questions.h"
#include "platform/translate.h"
#include "skin/picture_decode.h"
#include "skin/skin_font.h"
#include "ui_skin_editor_page.h"

namespace kok::dialog {
namespace {

using Field = SkinEditorModel::Field;
using Indicator = SkinEditorModel::Indicator;

// An entry of a list as shown ("ОБЬIЧНЬIЙ"), and as a reader should say it.
void addSpokenItem(QComboBox* list, const QString& text) {
    list->addItem(text);
    list->setItemData(list->count() - 1, spokenText(text), Qt::AccessibleTextRole);
}

// A panel that shows a file's state or a font's face; while empty it is
// named for what it shows, as Qt would otherwise read the spaced title of
// the group around it.
void showInPanel(QLabel* panel, const QString& text, const QString& emptyName) {
    panel->setText(text);
    panel->setAccessibleName(text.isEmpty() ? emptyName : QString());
}

constexpr const char* kObjects[kEditorObjectCount] = {
    QT_TRANSLATE_NOOP("SkinEditorPage", "ОКНО"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "ТЕКСТУРА КОЖИ"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "МАСКА ВИДИМОСТИ"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "КНОПКА ТАЙМЕРА"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "КНОПКА НАСТРОЕК"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "КНОПКА ВЬIХОДА"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "ИНДИКАТОР ВРЕМЕНИ"),
    QT_TRANSLATE_NOOP("SkinEditorPage", "ИНДИКАТОР ТАЙМЕРА")};
constexpr const char* kStates[] = {QT_TRANSLATE_NOOP("SkinEditorPage", "ОБЬIЧНЬIЙ"),
                                   QT_TRANSLATE_NOOP("SkinEditorPage", "ПОДСВЕЧЕННЬIЙ"),
                                   QT_TRANSLATE_NOOP("SkinEditorPage", "НАЖАТЬIЙ"),
                                   QT_TRANSLATE_NOOP("SkinEditorPage", "АКТИВНЬIЙ")};

constexpr const char* kLoaded = QT_TRANSLATE_NOOP("SkinEditorPage", "[ OK ]");
constexpr const char* kNotLoaded = QT_TRANSLATE_NOOP("SkinEditorPage", "[ ФАЙЛ  НЕ  ЗАГРУЖЕН ]");
constexpr const char* kPictureFile = QT_TRANSLATE_NOOP("SkinEditorPage", "файл рисунка");
constexpr const char* kFontFace = QT_TRANSLATE_NOOP("SkinEditorPage", "шрифт");
constexpr const char* kIndicatorText = "00:00:00";
constexpr const char* kSaveTitle =
    QT_TRANSLATE_NOOP("SkinEditorPage", "Укажате каталог для сохранения темы...");

constexpr const char* kReservedNameMessage = QT_TRANSLATE_NOOP(
    "Messages",
    "Использование «Default» или «Extended» в качестве названия запрещено.\nВведите другое "
    "имя или введите его по-другому (иным регистром букв)...");
constexpr const char* kOpenFailedMessage = QT_TRANSLATE_NOOP(
    "Messages",
    "Произошла ошибка во время загрузки\nнекоторых файлов темы интерфейса.\nВозможно они не "
    "существуют либо\nимеют неподдерживаемый формат.\nОткрытие темы прервано.");
constexpr const char* kWrongFileMessage = QT_TRANSLATE_NOOP(
    "Messages", "Тема должна быть сохранена ТОЛЬКО в файл с именем «skin.ksf»...");
constexpr const char* kSavedMessage =
    QT_TRANSLATE_NOOP("Messages", "Интерфейсная тема была успешно сохранена в каталоге:\n");
constexpr const char* kSaveFailedMessage = QT_TRANSLATE_NOOP(
    "Messages", "Возникла проблема при попытке записать файл темы на диск.\nПопробуйте сохранить "
                "интерфейсную тему в другой каталог...");
constexpr const char* kBadBitmapMessage =
    QT_TRANSLATE_NOOP("Messages", "Недопустимое растровое изображение");

// Titles sit on the groups' top lines, as the page has no room for a title
// row above each frame.
constexpr const char* kGroupStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 1px; }"
    "QGroupBox#z_process { margin-top: 0px; }";

constexpr std::array<EditorObject, 3> kButtons = {
    EditorObject::TimerButton, EditorObject::SettingsButton, EditorObject::CloseButton};

int toBgr(const QColor& c) {
    return c.red() | c.green() << 8 | c.blue() << 16;
}

using platform::qText;

// The label the Clock window sizes its indicators by.
PictureSize measureText(const EditorFont& font) {
    QLabel probe(QString::fromLatin1(kIndicatorText));
    probe.setFont(indicatorFont(font));
    const QSize s = probe.sizeHint();
    return {s.width(), s.height()};
}

QString chooseSkinFile(QWidget* parent) {
    QFileDialog dialog(parent, platform::trQ("SkinEditorPage", kSaveTitle),
                       qText(platform::skinDirToSave().string()),
                       qText(fileDialogFilter(platform::trText("FileChooser", kSkinFilter))));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ksf"));
    dialog.selectFile(QStringLiteral("skin.ksf"));
    return platform::questions().chooseFile(dialog);
}

// Whether the font chooser answered with the font it was opened on.
bool sameChoice(const QFont& chosen, const QFont& initial) {
    return chosen.family() == initial.family() && chosen.bold() == initial.bold() &&
           chosen.italic() == initial.italic() && chosen.underline() == initial.underline() &&
           chosen.strikeOut() == initial.strikeOut() && chosen.pointSize() == initial.pointSize();
}

} // namespace

QFont fontChooserStart(const EditorFont& font) {
    QFont start = indicatorFont(font);
    start.setPointSize(std::clamp(font.font.size, 1, 100));
    // The face a skin names may not be installed: the chooser opens on the
    // one shown in its place, in the style the skin asks for, rather than on
    // whatever style of some other face it happens to fall on.
    const QFontInfo shown(start);
    start.setFamily(shown.family());
    // And on the style the font matcher picked for the skin's weight and
    // slant, by a name the chooser lists for that face: it knows styles only
    // by name, and the names differ from face to face ("Book", "Oblique").
    // A face made of another's styles ("DejaVu Sans Condensed") may list the
    // matched style under another name: then its style of the skin's slant
    // (italic or oblique) nearest the skin's weight.
    const QStringList styles = QFontDatabase::styles(shown.family());
    if (styles.contains(shown.styleName())) {
        start.setStyleName(shown.styleName());
        return start;
    }
    const int weight = start.bold() ? QFont::Bold : QFont::Normal;
    int nearest = -1;
    for (const QString& style : styles) {
        const QFont candidate = QFontDatabase::font(shown.family(), style, 12);
        if ((candidate.style() != QFont::StyleNormal) != start.italic()) continue;
        const int off = std::abs(candidate.weight() - weight);
        if (nearest >= 0 && off >= nearest) continue;
        nearest = off;
        start.setStyleName(style);
    }
    return start;
}

QFont indicatorFont(const EditorFont& font) {
    QFont f = skin::skinFont(font.font, QFont());
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

SkinEditorPage::SkinEditorPage(QWidget* parent)
    : DialogPage(parent), ui_(std::make_unique<Ui::SkinEditorPageForm>()), model_(&measureText) {
    ui_->setupUi(this);
    // Before anything asks a reader's interface of them.
    readEntriesInWords(ui_->c_objects);
    readEntriesInWords(ui_->c_state);
    keepLabelsPlain(this);
    // A skin larger than the panel scrolls inside it, still at its real size;
    // one that fits shows no scroll bar.
    previewScroll_ = new QScrollArea(ui_->z_show);
    previewScroll_->setObjectName("z_preview_scroll");
    previewScroll_->setGeometry(ui_->z_preview->geometry());
    previewScroll_->setFrameShape(QFrame::NoFrame);
    previewScroll_->setWidgetResizable(true);
    previewScroll_->setWidget(ui_->z_preview);
    fields_ = {ui_->e_a, ui_->e_b, ui_->e_x, ui_->e_y};
    arrows_ = {ui_->a_a, ui_->a_b, ui_->a_x, ui_->a_y};
    for (const char* item : kObjects)
        addSpokenItem(ui_->c_objects, platform::trQ("SkinEditorPage", item));
    ui_->c_objects->setCurrentIndex(-1);
    setSwatch(palette().color(QPalette::Button));
    ui_->p_color->installEventFilter(this);
    for (QLabel* l : {ui_->tt_time, ui_->tt_timer})
        l->setAttribute(Qt::WA_TranslucentBackground);

    connect(ui_->b_new, &QPushButton::clicked, this, &SkinEditorPage::b_newClick);
    connect(ui_->b_load, &QPushButton::clicked, this, &SkinEditorPage::b_loadClick);
    connect(ui_->b_save, &QPushButton::clicked, this, &SkinEditorPage::b_saveClick);
    describeButton(ui_->b_file, SmallButton::ChoosePicture);
    describeButton(ui_->b_font, SmallButton::ChooseFont);
    showInPanel(ui_->p_file, {}, platform::trQ("SkinEditorPage", kPictureFile));
    showInPanel(ui_->p_font, {}, platform::trQ("SkinEditorPage", kFontFace));
    describeButton(ui_->p_color, SmallButton::ChooseColour);
    ui_->p_color->setFocusPolicy(Qt::TabFocus); // Enter or Space as a click
    markFocus(ui_->p_color);
    connect(ui_->b_file, &QPushButton::clicked, this, &SkinEditorPage::b_fileClick);
    connect(ui_->b_font, &QPushButton::clicked, this, &SkinEditorPage::b_fontClick);
    connect(ui_->c_objects, &QComboBox::activated, this, &SkinEditorPage::c_objectsChange);
    connect(ui_->c_state, &QComboBox::activated, this, &SkinEditorPage::c_stateChange);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto field = Field(i);
        attachArrows(arrows_[i], fields_[i]);
        connect(fields_[i], &QLineEdit::textChanged, this,
                [this, field](const QString& text) { fieldChange(field, text); });
    }
    connect(ui_->e_name, &QLineEdit::textChanged, this, &SkinEditorPage::e_nameChange);
    const std::pair<QLineEdit*, std::string SkinInfo::*> infoFields[] = {
        {ui_->e_author, &SkinInfo::author},
        {ui_->e_version, &SkinInfo::version},
        {ui_->e_mail, &SkinInfo::mail},
        {ui_->e_web, &SkinInfo::web}};
    for (const auto& [edit, member] : infoFields)
        connect(edit, &QLineEdit::textChanged, this,
                [this, member](const QString& t) { model_.info.*member = t.toStdString(); });
    connect(ui_->o_extended, &QCheckBox::toggled, this, [this](bool on) {
        model_.extended = on;
        ui_->tt_timer->setVisible(on);
    });
}

SkinEditorPage::~SkinEditorPage() = default;

void SkinEditorPage::showEvent(QShowEvent* event) {
    // Set late: widgets under a style sheet keep the font they had when it
    // was set, and only now has the page its dialog's font.
    if (styleSheet().isEmpty()) setStyleSheet(QString::fromLatin1(kGroupStyle));
    DialogPage::showEvent(event);
}

bool SkinEditorPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->p_color && (isClick(watched, event) || isPressKey(event))) {
        p_colorClick();
        return event->type() == QEvent::KeyPress;
    }
    return DialogPage::eventFilter(watched, event);
}

EditorObject SkinEditorPage::object() const {
    return EditorObject(std::max(0, ui_->c_objects->currentIndex()));
}

std::optional<Indicator> SkinEditorPage::chosenIndicator() const {
    if (ui_->c_objects->currentIndex() < 0 || !isIndicator(object())) return std::nullopt;
    return object() == EditorObject::TimeIndicator ? Indicator::Time : Indicator::Timer;
}

void SkinEditorPage::b_newClick() {
    ui_->b_save->setEnabled(false);
    model_.startNew();
    pixmaps_ = {};
    ui_->tt_time->show();
    ui_->o_extended->setChecked(true);
    ui_->c_objects->setCurrentIndex(0);
    c_objectsChange();
    ui_->c_objects->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(ui_->e_author), static_cast<QWidget*>(ui_->e_name),
                       static_cast<QWidget*>(ui_->e_version), static_cast<QWidget*>(ui_->e_mail),
                       static_cast<QWidget*>(ui_->e_web), static_cast<QWidget*>(ui_->o_extended)})
        w->setEnabled(true);
    showInfo();
}

void SkinEditorPage::b_loadClick() {
    // Disabled while it works; then enabled again, with the focus back on it
    // when it had it, so that the keyboard goes on from the button pressed.
    const bool focused = ui_->b_load->hasFocus();
    ui_->b_load->setEnabled(false);
    const auto done = qScopeGuard([this, focused] {
        ui_->b_load->setEnabled(true);
        if (focused) ui_->b_load->setFocus(Qt::OtherFocusReason);
    });
    const QString file = chooseFile(this, FileKind::Skin, QString());
    if (file.isEmpty()) return;
    b_newClick();
    const auto result = model_.open(file.toStdString());
    decodePictures();
    if (result == SkinEditorModel::OpenResult::PictureFailed) {
        c_objectsChange();
        platform::showMessage(platform::trText("Messages", kOpenFailedMessage));
    } else {
        // Filled while Open is disabled, so a built-in skin's name is allowed.
        showInfo();
        ui_->o_extended->setChecked(model_.extended);
        c_objectsChange();
        ui_->b_save->setEnabled(true);
    }
}

// The skin file is Windows-1251 like the Settings file: information it
// cannot hold is refused before a file is chosen.
bool SkinEditorPage::infoStorable() {
    const std::pair<QLineEdit*, QLabel*> info[] = {{ui_->e_name, ui_->t_name},
                                                   {ui_->e_version, ui_->t_version},
                                                   {ui_->e_author, ui_->t_author},
                                                   {ui_->e_mail, ui_->t_mail},
                                                   {ui_->e_web, ui_->t_web}};
    for (const auto& [field, label] : info) {
        if (acceptStorable(field->text(), fieldCaption(label->text()))) continue;
        field->setFocus();
        return false;
    }
    return true;
}

void SkinEditorPage::b_saveClick() {
    if (!infoStorable()) return;
    const QString file = chooseSkinFile(this);
    if (file.isEmpty()) return;
    const QFileInfo info(file);
    if (!isSkinFileName(info.fileName().toStdString())) {
        platform::showMessage(platform::trText("Messages", kWrongFileMessage));
        return;
    }
    const QString folder = QDir::toNativeSeparators(info.absolutePath() + QLatin1Char('/'));
    if (model_.save(folder.toStdString()))
        platform::showMessage(platform::trText("Messages", kSavedMessage) + folder.toStdString());
    else
        platform::showMessage(platform::trText("Messages", kSaveFailedMessage));
}

void SkinEditorPage::c_objectsChange() {
    const EditorObject obj = object();
    for (QWidget* w : {static_cast<QWidget*>(ui_->c_state), static_cast<QWidget*>(ui_->b_file),
                       static_cast<QWidget*>(ui_->b_font)})
        w->setEnabled(false);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setEnabled(false);
        arrows_[i]->setEnabled(false);
    }
    showInPanel(ui_->p_file, {}, platform::trQ("SkinEditorPage", kPictureFile));
    showInPanel(ui_->p_font, {}, platform::trQ("SkinEditorPage", kFontFace));
    setSwatch(palette().color(QPalette::Button));
    model_.showNormalPictures();

    ui_->c_state->clear();
    for (int s = 0; s < stateCount(obj); ++s)
        addSpokenItem(ui_->c_state, platform::trQ("SkinEditorPage", kStates[s]));
    showFields(model_.objectRect(obj));
    const bool places = isButton(obj) || isIndicator(obj);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const bool sized = i < 2;
        const bool on = sized ? isIndicator(obj) : places;
        fields_[i]->setEnabled(on);
        arrows_[i]->setEnabled(on);
    }
    if (obj == EditorObject::Face || obj == EditorObject::Mask) {
        ui_->b_file->setEnabled(true);
        showFileStatus(pictureFor(obj, 0));
    }
    if (isButton(obj)) {
        ui_->c_state->setEnabled(true);
        ui_->b_file->setEnabled(true);
    }
    if (const auto ind = chosenIndicator()) {
        ui_->b_font->setEnabled(true);
        const EditorFont& f = model_.font(*ind);
        setSwatch(skin::skinColor(f.font.color));
        showInPanel(ui_->p_font, qText(f.font.face), {});
    }
    ui_->c_state->setCurrentIndex(0);
    c_stateChange();
}

void SkinEditorPage::c_stateChange() {
    const EditorObject obj = object();
    if (!isButton(obj)) {
        showPreview();
        return;
    }
    const int state = std::max(0, ui_->c_state->currentIndex());
    model_.showState(obj, state);
    showFileStatus(pictureFor(obj, state));
    showPreview();
}

void SkinEditorPage::b_fileClick() {
    const EditorObject obj = object();
    const int state = std::max(0, ui_->c_state->currentIndex());
    const auto holder = pictureFor(obj, state);
    if (!holder) return;
    const QString file = chooseFile(this, FileKind::Bitmap, QString());
    if (file.isEmpty()) return;
    if (!model_.loadPictureFile(*holder, file.toStdString())) {
        platform::showMessage(platform::trText("Messages", kBadBitmapMessage));
        return;
    }
    // Showing the object again disables "..." for a moment: the focus comes
    // back to it, for the next of the skin's pictures.
    const bool focused = ui_->b_file->hasFocus();
    decodePictures();
    c_objectsChange();
    ui_->c_state->setCurrentIndex(state);
    c_stateChange();
    if (model_.complete()) ui_->b_save->setEnabled(true);
    if (focused) ui_->b_file->setFocus(Qt::OtherFocusReason);
}

void SkinEditorPage::b_fontClick() {
    const auto ind = chosenIndicator();
    if (!ind) return;
    EditorFont f = model_.font(*ind);
    const QFont initial = fontChooserStart(f);
    const auto chosen = platform::questions().chooseFont(initial, this);
    // OK without a change keeps the skin's own face, even one not installed.
    if (!chosen || sameChoice(*chosen, initial)) return;
    // Stored into the Windows-1251 skin file.
    if (!acceptStorable(chosen->family(), tr("шрифт индикатора"))) return;
    f.font.face = chosen->family().toStdString();
    f.font.bold = chosen->bold() ? 1 : 0;
    f.italic = chosen->italic();
    f.underline = chosen->underline();
    f.strikeOut = chosen->strikeOut();
    const int points =
        chosen->pointSize() > 0 ? chosen->pointSize() : (chosen->pixelSize() * 3 + 2) / 4;
    f.setPointSize(std::clamp(points, 1, 100));
    model_.setFont(*ind, f); // the colour stays the swatch's
    showFields(model_.objectRect(object()));
    showInPanel(ui_->p_font, qText(f.font.face), {});
    showPreview();
}

void SkinEditorPage::p_colorClick() {
    const auto ind = chosenIndicator();
    if (!ind) return;
    const auto chosen =
        platform::questions().chooseColor(skin::skinColor(model_.font(*ind).font.color), this);
    if (!chosen) return;
    model_.setColor(*ind, toBgr(*chosen));
    setSwatch(*chosen);
    showPreview();
}

// These fields are read-only and move by their arrows only, so they hold a
// plain number; the dialog's rule for typed number fields is not needed.
void SkinEditorPage::fieldChange(Field field, const QString& text) {
    if (filling_) return;
    model_.setField(object(), field, text.toInt());
    showPreview();
}

void SkinEditorPage::e_nameChange(const QString& text) {
    model_.info.name = text.toStdString();
    if (!ui_->b_load->isEnabled() || !isReservedSkinName(model_.info.name)) return;
    ui_->e_name->clear();
    platform::showMessage(platform::trText("Messages", kReservedNameMessage));
}

void SkinEditorPage::showFields(const skin::SkinRect& r) {
    filling_ = true;
    const int values[] = {r.w, r.h, r.l, r.t};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        followField(arrows_[i], values[i]);
        fields_[i]->setText(QString::number(values[i]));
    }
    filling_ = false;
}

void SkinEditorPage::showFileStatus(std::optional<SkinPicture> holder) {
    const bool loaded = holder && model_.picture(*holder).loaded;
    showInPanel(ui_->p_file, platform::trQ("SkinEditorPage", loaded ? kLoaded : kNotLoaded), {});
}

void SkinEditorPage::showInfo() {
    const SkinInfo info = model_.info; // each field writes back as it is set
    ui_->e_author->setText(qText(info.author));
    ui_->e_name->setText(qText(info.name));
    ui_->e_version->setText(qText(info.version));
    ui_->e_mail->setText(qText(info.mail));
    ui_->e_web->setText(qText(info.web));
}

void SkinEditorPage::decodePictures() {
    for (int i = 0; i < kSkinPictureCount; ++i) {
        const Picture& p = model_.picture(SkinPicture(i));
        pixmaps_[std::size_t(i)] =
            p.loaded ? skin::decodePicture(QByteArray::fromStdString(p.bytes)) : QPixmap();
    }
}

void SkinEditorPage::showPreview() {
    const auto place = [](QLabel* l, const QPixmap& pixmap, QPoint at) {
        l->setPixmap(pixmap);
        l->setGeometry(QRect(at, pixmap.size()));
    };
    place(ui_->i_mask, pixmaps_[std::size_t(SkinPicture::Mask)], {0, 0});
    place(ui_->i_face, pixmaps_[std::size_t(SkinPicture::Face)], {0, 0});
    QLabel* const images[] = {ui_->i_timer, ui_->i_settings, ui_->i_close};
    for (std::size_t b = 0; b < kButtons.size(); ++b) {
        const skin::SkinRect r = model_.objectRect(kButtons[b]);
        place(images[b], pixmaps_[std::size_t(*model_.shownPicture(kButtons[b]))], {r.l, r.t});
    }
    const std::pair<QLabel*, Indicator> indicators[] = {{ui_->tt_time, Indicator::Time},
                                                        {ui_->tt_timer, Indicator::Timer}};
    for (const auto& [label, which] : indicators) {
        const skin::SkinRect r = model_.objectRect(
            which == Indicator::Time ? EditorObject::TimeIndicator : EditorObject::TimerIndicator);
        label->setGeometry(r.l, r.t, r.w, r.h);
        const EditorFont& f = model_.font(which);
        label->setFont(indicatorFont(f));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, skin::skinColor(f.font.color));
        label->setPalette(pal);
    }
    // The panel fills the view and grows past it only as far as the skin
    // reaches, which is when the scroll bars come.
    QSize reach;
    for (const QWidget* w : ui_->z_preview->findChildren<QWidget*>())
        if (!w->isHidden() && !w->geometry().isEmpty())
            reach = reach.expandedTo(QSize(w->geometry().right() + 1, w->geometry().bottom() + 1));
    ui_->z_preview->setMinimumSize(reach);
    QEvent relayout(QEvent::LayoutRequest); // the scroll bars follow at once
    QCoreApplication::sendEvent(previewScroll_, &relayout);
}

void SkinEditorPage::setSwatch(const QColor& color) {
    QPalette pal = ui_->p_color->palette();
    pal.setColor(QPalette::Window, color);
    ui_->p_color->setPalette(pal);
}

} // namespace kok::dialog
