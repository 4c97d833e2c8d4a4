#include "skin/skin_loader.h"

#include <QLabel>
#include <QPixmap>
#include <array>

#include "app/restart.h"
#include "clock/clock_window.h"
#include "platform/file_io.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "skin/builtin_skins.h"
#include "skin/form_shaper.h"
#include "skin/skin_description.h"
#include "skin/skin_font.h"
#include "skin/windows_path.h"

namespace kok::skin {
namespace {

namespace skins = settings::skins;

struct Holder {
    const char* name; // file name without ".bmp", resource suffix after "_"
    QPixmap clock::ClockWindow::*pixmap;
};

// The button pictures in their loading order.
constexpr std::array<Holder, 10> kHolders{{
    {"settings_of", &clock::ClockWindow::ir_settings_of},
    {"settings_on", &clock::ClockWindow::ir_settings_on},
    {"settings_dn", &clock::ClockWindow::ir_settings_dn},
    {"close_of", &clock::ClockWindow::ir_close_of},
    {"close_on", &clock::ClockWindow::ir_close_on},
    {"close_dn", &clock::ClockWindow::ir_close_dn},
    {"timer_of", &clock::ClockWindow::ir_timer_of},
    {"timer_on", &clock::ClockWindow::ir_timer_on},
    {"timer_dn", &clock::ClockWindow::ir_timer_dn},
    {"timer_at", &clock::ClockWindow::ir_timer_at},
}};

QPixmap pictureFile(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(resolveWindowsPath(path).string())))
        throw SkinLoadError("cannot load the picture " + path);
    return p;
}

QByteArray embedded(const std::string& name) {
    auto bytes = builtinSkinResource(name);
    if (!bytes) throw SkinLoadError("no built-in picture " + name);
    return *bytes;
}

QPixmap embeddedPicture(const std::string& name) {
    QPixmap p;
    if (!p.loadFromData(embedded(name), "BMP"))
        throw SkinLoadError("cannot read the built-in picture " + name);
    return p;
}

void showFace(clock::ClockWindow& w, const QPixmap& face) {
    w.i_face->setPixmap(face);
    w.i_face->setGeometry(0, 0, face.width(), face.height());
}

void switchShapeOn(clock::ClockWindow& w, const std::string& maskPath) {
    w.f_shape->Mask().setPicFile(QString::fromStdString(maskPath));
    w.f_shape->setShapeActive(true);
}

// Returns the description file.
std::filesystem::path loadExternal(clock::ClockWindow& w, const settings::IniFile& ini,
                                   bool xpFamily) {
    const std::string dir = ini.readString(
        skins::kName, skins::familyKey(xpFamily, skins::kSkinPath), skins::kSkinPathLoaderDefault);
    showFace(w, pictureFile(dir + "face.bmp"));
    switchShapeOn(w, resolveWindowsPath(dir + "mask.bmp").string());
    for (const Holder& h : kHolders)
        w.*h.pixmap = pictureFile(dir + h.name + ".bmp");
    return resolveWindowsPath(dir + "skin.ksf");
}

std::filesystem::path loadBuiltin(clock::ClockWindow& w, const settings::IniFile& ini,
                                  bool xpFamily) {
    const std::string name = ini.readString(
        skins::kName, skins::familyKey(xpFamily, skins::kSkinName), skins::kSkinNameDefault);
    showFace(w, embeddedPicture(name + "_face"));
    const QByteArray mask = embedded(name + "_mask");
    if (!w.i_mask.loadFromData(mask, "BMP"))
        throw SkinLoadError("cannot read the built-in mask of " + name);
    // The shaper reads masks from files, so the built-in one goes through one.
    const auto maskFile = settings::programFilePath(kMaskTempFileName);
    platform::writeFileAtomically(maskFile,
                                  std::string_view(mask.constData(), std::size_t(mask.size())));
    switchShapeOn(w, maskFile.string());
    for (const Holder& h : kHolders)
        w.*h.pixmap = embeddedPicture(name + "_" + h.name);
    const QByteArray ksf = builtinSkinDescription(name);
    const auto ksfFile = settings::programFilePath(kDescriptionTempFileName);
    platform::writeFileAtomically(ksfFile,
                                  std::string_view(ksf.constData(), std::size_t(ksf.size())));
    platform::removeFile(maskFile);
    return ksfFile;
}

void applyDescription(clock::ClockWindow& w, const SkinDescription& d) {
    w.resize(d.formW, d.formH);
    // The time label takes the size of its text when its font changes (as an
    // auto-sized label does), else the size the skin gives.
    w.t_time->setGeometry(d.time.rect.l, d.time.rect.t, d.time.rect.w, d.time.rect.h);
    if (applySkinFont(*w.t_time, d.time.font)) w.t_time->resize(w.t_time->sizeHint());

    const bool two = d.type != 0;
    w.t_timer->setVisible(two);
    w.setSystemMenuVisible(two);
    w.t_timer->setGeometry(d.timer.rect.l, d.timer.rect.t, d.timer.rect.w, d.timer.rect.h);
    applySkinFont(*w.t_timer, d.timer.font);

    w.i_settings->setGeometry(d.settings.l, d.settings.t, d.settings.w, d.settings.h);
    w.i_timer->setGeometry(d.ding.l, d.ding.t, d.ding.w, d.ding.h);
    w.i_close->setGeometry(d.close.l, d.close.t, d.close.w, d.close.h);
}

} // namespace

void loadSkin(clock::ClockWindow& w, bool xpFamily) {
    const settings::IniFile ini = settings::openSettings();
    const bool external = ini.readInteger(skins::kName, skins::familyKey(xpFamily, skins::kSkinExt),
                                          skins::kSkinExtDefault) != 0;
    const auto descriptionFile =
        external ? loadExternal(w, ini, xpFamily) : loadBuiltin(w, ini, xpFamily);
    w.resetButtonsToIdle();
    const auto bytes = platform::readWholeFile(descriptionFile);
    applyDescription(w, parseSkinDescription(bytes.value_or(std::string())));
    if (!external) platform::removeFile(descriptionFile);
}

void ApplySkin(clock::ClockWindow& window, bool xpFamily) {
    try {
        loadSkin(window, xpFamily);
    } catch (const std::exception&) {
        app::RestartProgram(&window, true);
    }
}

} // namespace kok::skin
