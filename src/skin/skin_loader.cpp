// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skin_loader.h"

#include <array>

#include "platform/file_io.h"
#include "skin/builtin_skins.h"
#include "skin/form_shaper.h"
#include "skin/picture_decode.h"
#include "skin/picture_limits.h"
#include "skin/skin_files.h"
#include "skin/windows_path.h"

namespace kok::skin {
namespace {

struct Holder {
    SkinPicture picture;
    QPixmap ButtonPictures::*pixmap;
};

// The button pictures in their loading order.
constexpr std::array<Holder, 10> kHolders{{
    {SkinPicture::SettingsOf, &ButtonPictures::settings_of},
    {SkinPicture::SettingsOn, &ButtonPictures::settings_on},
    {SkinPicture::SettingsDn, &ButtonPictures::settings_dn},
    {SkinPicture::CloseOf, &ButtonPictures::close_of},
    {SkinPicture::CloseOn, &ButtonPictures::close_on},
    {SkinPicture::CloseDn, &ButtonPictures::close_dn},
    {SkinPicture::TimerOf, &ButtonPictures::timer_of},
    {SkinPicture::TimerOn, &ButtonPictures::timer_on},
    {SkinPicture::TimerDn, &ButtonPictures::timer_dn},
    {SkinPicture::TimerAt, &ButtonPictures::timer_at},
}};

std::string fileIn(const std::string& dir, std::string_view name) {
    return dir + std::string(name);
}

// A built-in skin's resource for a picture: "def_face", "ext_timer_at", ...
std::string resourceOf(const std::string& skinName, SkinPicture picture) {
    return skinName + "_" + std::string(pictureStem(picture));
}

QPixmap pictureFile(const std::string& path) {
    const std::optional<std::string> bytes =
        platform::readWholeFile(resolveWindowsPath(path), kMaxPictureFileBytes);
    QPixmap p;
    if (bytes) p = decodePicture(QByteArray::fromStdString(*bytes));
    if (p.isNull()) throw SkinLoadError("cannot load the picture " + path);
    return p;
}

QByteArray embedded(const std::string& name) {
    auto bytes = builtinSkinResource(name);
    if (!bytes) throw SkinLoadError("no built-in picture " + name);
    return *bytes;
}

QPixmap embeddedPicture(const std::string& name) {
    QPixmap p = decodePicture(embedded(name));
    if (p.isNull()) throw SkinLoadError("cannot read the built-in picture " + name);
    return p;
}

void switchShapeOn(FormShaper& shaper, const std::string& maskPath) {
    shaper.Mask().setPicFile(QString::fromStdString(maskPath));
    shaper.setShapeActive(true);
}

// Returns the description.
std::string loadExternal(LoadedSkin& skin, FormShaper& shaper) {
    const std::string& dir = skin.choice.path;
    skin.face = pictureFile(fileIn(dir, pictureFileName(SkinPicture::Face)));
    switchShapeOn(shaper,
                  resolveWindowsPath(fileIn(dir, pictureFileName(SkinPicture::Mask))).string());
    for (const Holder& h : kHolders)
        skin.pictures.*h.pixmap = pictureFile(fileIn(dir, pictureFileName(h.picture)));
    return platform::readWholeFile(resolveWindowsPath(fileIn(dir, kSkinDescriptionFile)))
        .value_or(std::string());
}

// Everything comes from the program's resources: nothing is written, so the
// program runs from a folder it cannot write to.
std::string loadBuiltin(LoadedSkin& skin, FormShaper& shaper) {
    const std::string& name = skin.choice.name;
    skin.face = embeddedPicture(resourceOf(name, SkinPicture::Face));
    skin.mask = decodePicture(embedded(resourceOf(name, SkinPicture::Mask)));
    if (skin.mask.isNull()) throw SkinLoadError("cannot read the built-in mask of " + name);
    switchShapeOn(shaper,
                  builtinSkinResourcePath(resourceOf(name, SkinPicture::Mask)).toStdString());
    for (const Holder& h : kHolders)
        skin.pictures.*h.pixmap = embeddedPicture(resourceOf(name, h.picture));
    return builtinSkinDescription(name).toStdString();
}

} // namespace

LoadedSkin loadSkin(const SkinChoice& choice, FormShaper& shaper) {
    LoadedSkin skin;
    skin.choice = choice;
    skin.description = parseSkinDescription(skin.choice.external ? loadExternal(skin, shaper)
                                                                 : loadBuiltin(skin, shaper));
    if (const auto beyond = sizeBeyondLimit(skin.description))
        throw SkinLoadError("the skin's " + *beyond + " is beyond any screen");
    return skin;
}

} // namespace kok::skin
