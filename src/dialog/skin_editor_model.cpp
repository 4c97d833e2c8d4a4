// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/skin_editor_model.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "platform/file_io.h"
#include "platform/translate.h"
#include "skin/font_height.h"
#include "skin/picture_limits.h"
#include "skin/windows_path.h"

namespace kok::dialog {
namespace {

// A new skin's author and name, in the interface's language: the English
// ones are ASCII, which the Windows-1251 skin file holds as well.
constexpr const char* kNewSkinAuthor = QT_TRANSLATE_NOOP("SkinEditor", "неизвестный");
constexpr const char* kNewSkinName = QT_TRANSLATE_NOOP("SkinEditor", "новая тема");

std::string newSkinText(const char* source) {
    return platform::trText("SkinEditor", source);
}

using skin::SkinRect;

// Opening reads the mask first and the face second; saving writes the face
// first and the timer button's pictures in another order.
constexpr SkinPicture kOpenOrder[] = {
    SkinPicture::Mask,       SkinPicture::Face,    SkinPicture::TimerOf,    SkinPicture::TimerAt,
    SkinPicture::TimerDn,    SkinPicture::TimerOn, SkinPicture::SettingsOf, SkinPicture::SettingsOn,
    SkinPicture::SettingsDn, SkinPicture::CloseOf, SkinPicture::CloseOn,    SkinPicture::CloseDn};
constexpr SkinPicture kSaveOrder[] = {
    SkinPicture::Face,       SkinPicture::Mask,    SkinPicture::TimerOf,    SkinPicture::TimerOn,
    SkinPicture::TimerDn,    SkinPicture::TimerAt, SkinPicture::SettingsOf, SkinPicture::SettingsOn,
    SkinPicture::SettingsDn, SkinPicture::CloseOf, SkinPicture::CloseOn,    SkinPicture::CloseDn};

// The pictures of each button by state: normal, pointer over, pressed, running.
constexpr SkinPicture kTimerStates[] = {SkinPicture::TimerOf, SkinPicture::TimerAt,
                                        SkinPicture::TimerDn, SkinPicture::TimerOn};
constexpr SkinPicture kSettingsStates[] = {SkinPicture::SettingsOf, SkinPicture::SettingsOn,
                                           SkinPicture::SettingsDn};
constexpr SkinPicture kCloseStates[] = {SkinPicture::CloseOf, SkinPicture::CloseOn,
                                        SkinPicture::CloseDn};

std::size_t buttonIndex(EditorObject button) {
    return std::size_t(button) - std::size_t(EditorObject::TimerButton);
}

// The platform's rounding of a * b / c: halves away from zero.
int mulDiv(int a, int b, int c) {
    return int(std::lround(double(a) * b / c));
}

std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

EditorFont startFont(int bgr) {
    EditorFont f;
    f.font.color = bgr;
    f.font.face = "MS Sans Serif";
    f.setPixelHeight(-11);
    return f;
}

} // namespace

bool isButton(EditorObject object) {
    return object >= EditorObject::TimerButton && object <= EditorObject::CloseButton;
}

bool isIndicator(EditorObject object) {
    return object == EditorObject::TimeIndicator || object == EditorObject::TimerIndicator;
}

int stateCount(EditorObject object) {
    if (object == EditorObject::TimerButton) return 4;
    return isButton(object) ? 3 : 1;
}

std::optional<SkinPicture> pictureFor(EditorObject object, int state) {
    if (state < 0 || state >= stateCount(object)) return std::nullopt;
    switch (object) {
    case EditorObject::Face:
        return SkinPicture::Face;
    case EditorObject::Mask:
        return SkinPicture::Mask;
    case EditorObject::TimerButton:
        return kTimerStates[state];
    case EditorObject::SettingsButton:
        return kSettingsStates[state];
    case EditorObject::CloseButton:
        return kCloseStates[state];
    default:
        return std::nullopt;
    }
}

std::optional<PictureSize> bitmapSize(std::string_view b) {
    constexpr std::size_t kFileHeader = 14;
    if (b.size() < kFileHeader + 12 || b.substr(0, 2) != "BM") return std::nullopt;
    const std::uint32_t infoSize = le(b, 14, 4);
    long width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0;
    if (infoSize == 12) { // the old OS/2 header: 16-bit sizes
        width = long(le(b, 18, 2));
        height = long(le(b, 20, 2));
        planes = le(b, 22, 2);
        bits = le(b, 24, 2);
    } else if (infoSize >= 40 && b.size() >= kFileHeader + 40) {
        width = long(std::int32_t(le(b, 18, 4)));
        height = long(std::int32_t(le(b, 22, 4))); // negative: rows stored top-down
        planes = le(b, 26, 2);
        bits = le(b, 28, 2);
    } else {
        return std::nullopt;
    }
    const bool knownDepth =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (width <= 0 || height == 0 || planes != 1 || !knownDepth || le(b, 10, 4) > b.size())
        return std::nullopt;
    return PictureSize{int(width), int(std::labs(height))};
}

void EditorFont::setPointSize(int pointSize) {
    font.height = -mulDiv(pointSize, 96, 72);
    font.size = pointSize;
}

void EditorFont::setPixelHeight(int pixelHeight) {
    font.height = pixelHeight;
    font.size = -mulDiv(pixelHeight, 72, 96);
}

bool isReservedSkinName(std::string_view name) {
    return name == "Default" || name == "Extended";
}

bool isSkinFileName(std::string_view fileName) {
    return std::ranges::equal(fileName, skin::kSkinDescriptionFile, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

SkinEditorModel::SkinEditorModel(TextMeasure measure)
    : measure_(std::move(measure)), indicators_{{{SkinRect{}, startFont(0x008000)},
                                                 {SkinRect{}, startFont(0x800000)}}} {}

void SkinEditorModel::startNew() {
    extended = true;
    info = {newSkinText(kNewSkinAuthor), newSkinText(kNewSkinName), "1.0", "", ""};
    pictures_ = {};
    buttonPlaces_ = {};
    showNormalPictures();
    indicators_[0].rect = {60, 5, 51, 13};
    indicators_[1].rect = {60, 20, 51, 13};
}

bool SkinEditorModel::loadPicture(SkinPicture p, std::string bytes) {
    const auto size = bitmapSize(bytes);
    if (!size) return false;
    pictures_[std::size_t(p)] = {std::move(bytes), *size, true};
    return true;
}

bool SkinEditorModel::loadPictureFile(SkinPicture p, const std::filesystem::path& file) {
    auto bytes = platform::readWholeFile(file, skin::kMaxPictureFileBytes);
    return bytes && loadPicture(p, std::move(*bytes));
}

bool SkinEditorModel::complete() const {
    return std::ranges::all_of(pictures_, &Picture::loaded);
}

SkinRect SkinEditorModel::objectRect(EditorObject object) const {
    if (isButton(object)) return buttonRect(object);
    if (isIndicator(object)) return indicators_[object == EditorObject::TimeIndicator ? 0 : 1].rect;
    const PictureSize mask = picture(SkinPicture::Mask).size;
    return {0, 0, mask.w, mask.h};
}

SkinEditorModel::IndicatorState& SkinEditorModel::indicator(EditorObject object) {
    return indicators_[object == EditorObject::TimeIndicator ? 0 : 1];
}

void SkinEditorModel::setField(EditorObject object, Field field, int value) {
    value = std::clamp(value, 0, kGeometryMax);
    const bool place = field == Field::X || field == Field::Y;
    if (isButton(object) && place) {
        SkinRect& r = buttonPlaces_[buttonIndex(object)];
        (field == Field::X ? r.l : r.t) = value;
    } else if (isIndicator(object)) {
        SkinRect& r = indicator(object).rect;
        switch (field) {
        case Field::A:
            r.w = value;
            break;
        case Field::B:
            r.h = value;
            break;
        case Field::X:
            r.l = value;
            break;
        case Field::Y:
            r.t = value;
            break;
        }
    }
}

void SkinEditorModel::showState(EditorObject button, int state) {
    if (pictureFor(button, state) && isButton(button)) shownStates_[buttonIndex(button)] = state;
}

void SkinEditorModel::showNormalPictures() {
    shownStates_ = {};
}

std::optional<SkinPicture> SkinEditorModel::shownPicture(EditorObject button) const {
    if (!isButton(button)) return std::nullopt;
    return pictureFor(button, shownStates_[buttonIndex(button)]);
}

SkinRect SkinEditorModel::buttonRect(EditorObject button) const {
    SkinRect r = buttonPlaces_[buttonIndex(button)];
    const PictureSize size = picture(*shownPicture(button)).size;
    r.w = size.w;
    r.h = size.h;
    return r;
}

void SkinEditorModel::setFont(Indicator i, const EditorFont& font) {
    IndicatorState& ind = indicators_[std::size_t(i)];
    ind.font = font;
    const PictureSize fitted = measure_(font);
    ind.rect.w = fitted.w;
    ind.rect.h = fitted.h;
}

void SkinEditorModel::setColor(Indicator i, int bgr) {
    indicators_[std::size_t(i)].font.font.color = bgr;
}

void SkinEditorModel::applyIndicator(Indicator i, const skin::SkinIndicator& described) {
    EditorFont f;
    f.font = described.font;
    f.font.bold = described.font.bold != 0 ? 1 : 0;
    f.setPixelHeight(described.font.pixelHeight());
    indicators_[std::size_t(i)].rect = described.rect;
    setFont(i, f); // the indicator ends with the size of its text in that font
}

SkinEditorModel::OpenResult SkinEditorModel::open(const std::filesystem::path& ksfFile) {
    startNew();
    const auto folder = ksfFile.parent_path();
    for (SkinPicture p : kOpenOrder)
        // Names in any letter case, as the clock reads them.
        if (!loadPictureFile(p, skin::resolveWindowsPath((folder / pictureFileName(p)).string())))
            return OpenResult::PictureFailed;

    const skin::SkinDescription d =
        skin::parseSkinDescription(platform::readWholeFile(ksfFile).value_or(std::string()),
                                   {.author = newSkinText(kNewSkinAuthor),
                                    .name = newSkinText(kNewSkinName),
                                    .version = "1.0",
                                    .mail = "",
                                    .web = ""});
    extended = d.type != 0;
    info = {d.author, d.name, d.version, d.mail, d.web};
    applyIndicator(Indicator::Time, d.time);
    applyIndicator(Indicator::Timer, d.timer);
    buttonPlaces_ = {d.ding, d.settings, d.close};
    return OpenResult::Opened;
}

skin::SkinDescription SkinEditorModel::description() const {
    skin::SkinDescription d;
    d.support = "09.0";
    d.animated = 1;
    d.type = extended ? 1 : 0;
    d.name = info.name;
    d.version = info.version;
    d.author = info.author;
    d.mail = info.mail;
    d.web = info.web;
    d.generator = kSkinGenerator;
    const PictureSize form = picture(SkinPicture::Mask).size;
    d.formW = form.w;
    d.formH = form.h;
    for (auto [to, from] : {std::pair{&d.time, &indicators_[0]}, {&d.timer, &indicators_[1]}}) {
        to->rect = from->rect;
        to->font = from->font.font;
        to->font.bold = from->font.boldOnly() ? 1 : 0;
    }
    d.ding = buttonRect(EditorObject::TimerButton);
    d.settings = buttonRect(EditorObject::SettingsButton);
    d.close = buttonRect(EditorObject::CloseButton);
    return d;
}

bool SkinEditorModel::save(const std::filesystem::path& folder) const {
    try {
        skin::saveSkinDescription((folder / skin::kSkinDescriptionFile).string(), description());
        for (SkinPicture p : kSaveOrder)
            platform::writeFileAtomically(folder / pictureFileName(p), picture(p).bytes);
    } catch (const platform::WriteError&) {
        return false;
    }
    return true;
}

} // namespace kok::dialog
