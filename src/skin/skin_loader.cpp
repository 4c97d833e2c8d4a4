#include "skin/skin_loader.h"

#include <array>

#include "platform/file_io.h"
#include "skin/builtin_skins.h"
#include "skin/form_shaper.h"
#include "skin/picture_decode.h"
#include "skin/picture_limits.h"
#include "skin/windows_path.h"

namespace kok::skin {
namespace {

struct Holder {
    const char* name; // file name without ".bmp", resource suffix after "_"
    QPixmap ButtonPictures::*pixmap;
};

// The button pictures in their loading order.
constexpr std::array<Holder, 10> kHolders{{
    {"settings_of", &ButtonPictures::settings_of},
    {"settings_on", &ButtonPictures::settings_on},
    {"settings_dn", &ButtonPictures::settings_dn},
    {"close_of", &ButtonPictures::close_of},
    {"close_on", &ButtonPictures::close_on},
    {"close_dn", &ButtonPictures::close_dn},
    {"timer_of", &ButtonPictures::timer_of},
    {"timer_on", &ButtonPictures::timer_on},
    {"timer_dn", &ButtonPictures::timer_dn},
    {"timer_at", &ButtonPictures::timer_at},
}};

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
    skin.face = pictureFile(dir + "face.bmp");
    switchShapeOn(shaper, resolveWindowsPath(dir + "mask.bmp").string());
    for (const Holder& h : kHolders)
        skin.pictures.*h.pixmap = pictureFile(dir + h.name + ".bmp");
    return platform::readWholeFile(resolveWindowsPath(dir + "skin.ksf")).value_or(std::string());
}

// Everything comes from the program's resources: nothing is written, so the
// program runs from a folder it cannot write to.
std::string loadBuiltin(LoadedSkin& skin, FormShaper& shaper) {
    const std::string& name = skin.choice.name;
    skin.face = embeddedPicture(name + "_face");
    skin.mask = decodePicture(embedded(name + "_mask"));
    if (skin.mask.isNull()) throw SkinLoadError("cannot read the built-in mask of " + name);
    switchShapeOn(shaper, builtinSkinResourcePath(name + "_mask").toStdString());
    for (const Holder& h : kHolders)
        skin.pictures.*h.pixmap = embeddedPicture(name + "_" + h.name);
    return builtinSkinDescription(name).toStdString();
}

} // namespace

LoadedSkin loadSkin(const SkinChoice& choice, FormShaper& shaper) {
    LoadedSkin skin;
    skin.choice = choice;
    skin.description = parseSkinDescription(skin.choice.external ? loadExternal(skin, shaper)
                                                                 : loadBuiltin(skin, shaper));
    return skin;
}

} // namespace kok::skin
