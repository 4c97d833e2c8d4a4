// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the skin on the Clock window, taking it off for the Message bar and
// putting it back, and the rest of what the bar does to the window.

#include <QLabel>

#include "clock/clock_window.h"
#include "clock/face_label.h"
#include "clock/image_button.h"
#include "clock/indicator_label.h"
#include "face/program_control.h"
#include "settings/autostart.h"
#include "settings/settings_file.h"
#include "skin/form_shaper.h"
#include "skin/skin_font.h"
#include "skin/skin_loader.h"

namespace kok::clock {
namespace {

// On a scaled screen the pictures are enlarged here, pixel by pixel, rather
// than smoothly by the painter: a smoothed face bleeds the colours beyond the
// mask into the pixels at the edge of the shape, and blurs the skin's art.
QPixmap atDeviceScale(const QPixmap& picture, qreal ratio) {
    if (ratio == 1.0 || picture.isNull()) return picture;
    QPixmap scaled = picture.scaled((QSizeF(picture.size()) * ratio).toSize(),
                                    Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace

bool ClockWindow::ApplySkin(const skin::SkinChoice& choice) {
    skin::LoadedSkin loaded;
    try {
        loaded = skin::loadSkin(choice, *ui_.f_shape);
    } catch (const std::exception&) {
        return false;
    }
    const qreal ratio = devicePixelRatio();
    ui_.i_face->setGeometry(0, 0, loaded.face.width(), loaded.face.height());
    ui_.i_face->setFace(atDeviceScale(loaded.face, ratio));
    ui_.i_mask = loaded.mask;
    ui_.ir = loaded.pictures;
    for (QPixmap* p : {&ui_.ir.settings_of, &ui_.ir.settings_on, &ui_.ir.settings_dn,
                       &ui_.ir.close_of, &ui_.ir.close_on, &ui_.ir.close_dn, &ui_.ir.timer_of,
                       &ui_.ir.timer_on, &ui_.ir.timer_dn, &ui_.ir.timer_at})
        *p = atDeviceScale(*p, ratio);
    resetButtonsToIdle();
    applySkinDescription(loaded.description);
    for (IndicatorLabel* indicator : {ui_.t_time, ui_.t_timer})
        indicator->setFaceUnder(ui_.i_face);
    return true;
}

void ClockWindow::applySkinDescription(const skin::SkinDescription& d) {
    resize(d.formW, d.formH);
    // The time label takes the size of its text when its font changes (as an
    // auto-sized label does), else the size the skin gives.
    ui_.t_time->setGeometry(d.time.rect.l, d.time.rect.t, d.time.rect.w, d.time.rect.h);
    if (skin::applySkinFont(*ui_.t_time, d.time.font)) ui_.t_time->resize(ui_.t_time->sizeHint());

    const bool two = d.type != 0;
    ui_.t_timer->setVisible(two);
    setSystemMenuVisible(two);
    ui_.t_timer->setGeometry(d.timer.rect.l, d.timer.rect.t, d.timer.rect.w, d.timer.rect.h);
    skin::applySkinFont(*ui_.t_timer, d.timer.font);

    ui_.i_settings->setGeometry(d.settings.l, d.settings.t, d.settings.w, d.settings.h);
    ui_.i_timer->setGeometry(d.ding.l, d.ding.t, d.ding.w, d.ding.h);
    ui_.i_close->setGeometry(d.close.l, d.close.t, d.close.w, d.close.h);
}

void ClockWindow::applySkinOrRestart() {
    const skin::SkinChoice choice =
        skin::readSkinChoice(settings::openSettings(), settings::IsXpFamily());
    if (ApplySkin(choice)) return;
    // An instance that a restart started with the built-in skin, failing
    // again, would only restart for ever.
    const bool fallbackFailed =
        firstArgument_ == QLatin1String(face::kRebootSwitch) && choice.isFallback();
    face::program().restartWithDefaultSkin(this, fallbackFailed);
}

void ClockWindow::takeSkinOff() {
    ui_.f_shape->setShapeActive(false);
}

void ClockWindow::putSkinBack() {
    hide();
    applySkinOrRestart(); // switches the shape on again
    if (!face::program().terminationRequested()) show();
}

void ClockWindow::setBarColour(const QColor& background) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void ClockWindow::showBar() {
    if (isHidden()) show();
}

void ClockWindow::raiseBar() {
    raise();
    activateWindow();
}

} // namespace kok::clock
