// The skin's three image buttons: idle, over and pressed pictures, and the
// commands they run.

#include <QTimer>

#include "clock/clock_window.h"

namespace kok::clock {

void ClockWindow::connectButtons() {
    connect(i_settings, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(i_settings, ir_settings_on); });
    connect(i_close, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(i_close, ir_close_on); });
    connect(i_timer, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(i_timer, ir_timer_at); });
    connect(i_settings, &ImageButton::pressed, this,
            [this] { showButtonPressed(i_settings, ir_settings_dn); });
    connect(i_close, &ImageButton::pressed, this,
            [this] { showButtonPressed(i_close, ir_close_dn); });
    connect(i_timer, &ImageButton::pressed, this,
            [this] { showButtonPressed(i_timer, ir_timer_dn); });
    for (ImageButton* b : {i_settings, i_close, i_timer}) {
        connect(b, &ImageButton::released, this, &ClockWindow::resetButtonsToIdle);
        connect(b, &ImageButton::menuRequested, this, &ClockWindow::popupMenu);
    }
    connect(i_settings, &ImageButton::clicked, this, &ClockWindow::m_settingsClick);
    connect(i_close, &ImageButton::clicked, this, &ClockWindow::m_closeClick);
    connect(i_timer, &ImageButton::clicked, this, &ClockWindow::i_timerClick);
    connect(i_timer, &ImageButton::doubleClicked, this, &ClockWindow::mt_start_tmrClick);
}

// The timer button's idle picture tells whether the stopwatch runs.
QPixmap ClockWindow::idlePicture(const ImageButton* button) const {
    if (button == i_settings) return ir_settings_of;
    if (button == i_close) return ir_close_of;
    return tt_timer->isActive() ? ir_timer_on : ir_timer_of;
}

void ClockWindow::resetButtonsToIdle() {
    for (ImageButton* b : {i_settings, i_close, i_timer}) {
        if (!b->notIdle) continue;
        b->setPixmap(idlePicture(b));
        b->notIdle = false;
    }
}

// The other buttons go back to idle; this one keeps its over picture without
// being repainted at every pointer move.
void ClockWindow::showButtonOver(ImageButton* button, const QPixmap& over) {
    const bool wasNotIdle = button->notIdle;
    button->notIdle = false;
    resetButtonsToIdle();
    if (!tt_shader->isActive()) tt_shader->start();
    if (!wasNotIdle || button->pixmap().cacheKey() != over.cacheKey()) button->setPixmap(over);
    button->notIdle = true;
}

void ClockWindow::showButtonPressed(ImageButton* button, const QPixmap& pressed) {
    button->setPixmap(pressed);
    button->notIdle = true;
}

// Buttons the pointer left without crossing the face go back to idle here.
void ClockWindow::tt_shaderTimer() {
    tt_shader->stop();
    for (ImageButton* b : {i_settings, i_close, i_timer})
        b->notIdle = true;
    resetButtonsToIdle();
}

} // namespace kok::clock
