// SPDX-License-Identifier: GPL-3.0-or-later
// The skin's three image buttons: idle, over and pressed pictures, and the
// commands they run.

#include <QAction>
#include <QTimer>
#include <tuple>

#include "clock/clock_window.h"
#include "clock/image_button.h"
#include "timers/timers.h"

namespace kok::clock {

void ClockWindow::connectButtons() {
    // Pictures say nothing to a screen reader, and little to a new user. The
    // timer button's tooltip follows its mode (see the stopwatch).
    const std::tuple<ImageButton*, QString, QString> texts[] = {
        {ui_.i_settings, tr("Настройки"), tr("Открыть настройки")},
        {ui_.i_close, tr("Выход"), tr("Закрыть программу")},
        {ui_.i_timer, tr("Таймер прямого отсчёта"), QString()},
    };
    for (const auto& [button, name, tip] : texts) {
        button->setAccessibleName(name);
        if (!tip.isEmpty()) button->setToolTip(tip);
    }
    connect(ui_.i_settings, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(ui_.i_settings, ui_.ir.settings_on); });
    connect(ui_.i_close, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(ui_.i_close, ui_.ir.close_on); });
    connect(ui_.i_timer, &ImageButton::pointerMoved, this,
            [this] { showButtonOver(ui_.i_timer, ui_.ir.timer_at); });
    connect(ui_.i_settings, &ImageButton::pressed, this,
            [this] { showButtonPressed(ui_.i_settings, ui_.ir.settings_dn); });
    connect(ui_.i_close, &ImageButton::pressed, this,
            [this] { showButtonPressed(ui_.i_close, ui_.ir.close_dn); });
    connect(ui_.i_timer, &ImageButton::pressed, this,
            [this] { showButtonPressed(ui_.i_timer, ui_.ir.timer_dn); });
    for (ImageButton* b : {ui_.i_settings, ui_.i_close, ui_.i_timer}) {
        connect(b, &ImageButton::released, this, &ClockWindow::resetButtonsToIdle);
        connect(b, &ImageButton::menuRequested, this, &ClockWindow::popupMenu);
    }
    connect(ui_.i_settings, &ImageButton::clicked, this, &ClockWindow::m_settingsClick);
    connect(ui_.i_close, &ImageButton::clicked, ui_.m_close, &QAction::trigger);
}

// The timer button drives the stopwatch by its mode.
void ClockWindow::connectTimerButton() {
    connect(ui_.i_timer, &ImageButton::clicked, &timers_->stopwatch(),
            &timers::Stopwatch::i_timerClick);
    connect(ui_.i_timer, &ImageButton::doubleClicked, &timers_->stopwatch(),
            &timers::Stopwatch::mt_start_tmrClick);
}

// The timer button's idle picture tells whether the stopwatch runs.
QPixmap ClockWindow::idlePicture(const ImageButton* button) const {
    if (button == ui_.i_settings) return ui_.ir.settings_of;
    if (button == ui_.i_close) return ui_.ir.close_of;
    return timerButtonRunning_ ? ui_.ir.timer_on : ui_.ir.timer_of;
}

void ClockWindow::resetButtonsToIdle() {
    for (ImageButton* b : {ui_.i_settings, ui_.i_close, ui_.i_timer}) {
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
    if (!ui_.tt_shader->isActive()) ui_.tt_shader->start();
    if (!wasNotIdle || button->pixmap().cacheKey() != over.cacheKey()) button->setPixmap(over);
    button->notIdle = true;
}

void ClockWindow::showButtonPressed(ImageButton* button, const QPixmap& pressed) {
    button->setPixmap(pressed);
    button->notIdle = true;
}

void ClockWindow::setTimerButtonRunning(bool running) {
    timerButtonRunning_ = running;
    ui_.i_timer->notIdle = true;
    resetButtonsToIdle();
}

// Buttons the pointer left without crossing the face go back to idle here.
void ClockWindow::tt_shaderTimer() {
    ui_.tt_shader->stop();
    for (ImageButton* b : {ui_.i_settings, ui_.i_close, ui_.i_timer})
        b->notIdle = true;
    resetButtonsToIdle();
}

} // namespace kok::clock
