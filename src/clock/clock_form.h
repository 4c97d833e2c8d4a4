// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <array>

#include "skin/skin_loader.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace kok::platform {
class TickTimer;
}

namespace kok::skin {
class FormShaper;
}

namespace kok::signal {
class WarningLock;
}

namespace kok::clock {

class FaceLabel;
class ImageButton;
class IndicatorLabel;

// The named components of the Clock window, in the manner of a Designer form:
// `setupUi` creates them on the window, each with its name as object name,
// and connects nothing. The window owns the form and wires it.
struct ClockForm {
    void setupUi(QWidget* window);

    // Indicators and skin pictures.
    FaceLabel* i_face = nullptr;
    IndicatorLabel* t_time = nullptr;
    IndicatorLabel* t_timer = nullptr;
    ImageButton* i_settings = nullptr;
    ImageButton* i_close = nullptr;
    ImageButton* i_timer = nullptr;

    // The Message bar's face, hidden while no bar shows.
    QLabel* p_messager = nullptr;

    // Hidden picture holders the buttons take their pictures from
    // (ir_settings_of ... ir_timer_at), and the built-in mask picture.
    skin::ButtonPictures ir;
    QPixmap i_mask;

    // The popup menu, in its order. Separators that other parts hide are named.
    QMenu* menu = nullptr;
    QAction* m_settings = nullptr;
    QAction* m_skin = nullptr;
    QAction* m_datetime = nullptr;
    QAction* m_system = nullptr;
    QAction* m_magnet = nullptr;
    QAction* m_separator_1 = nullptr;
    QAction* m_noremind = nullptr;
    QAction* m_alarms = nullptr; // submenu
    QAction* ma_settings = nullptr;
    std::array<QAction*, 10> ma_slots{}; // ma_0 .. ma_9, the slot number as data
    QAction* m_timers = nullptr;         // submenu
    QAction* m_separator_2 = nullptr;
    QAction* mt_settings_cdn = nullptr;
    QAction* mt_settings_tmr = nullptr;
    QAction* mt_start_cdn = nullptr;
    QAction* mt_start_tmr = nullptr;
    QAction* mt_mode_stop = nullptr;
    QAction* mt_mode_pause = nullptr;
    QAction* m_hide_10 = nullptr;
    QAction* m_hide_60 = nullptr;
    QAction* m_reboot = nullptr;
    QAction* m_info = nullptr;
    QAction* m_close = nullptr;

    // Keyboard commands of the Message bar, never shown; disabled unless it shows.
    QMenu* hotkeys = nullptr;
    QAction* hk_esc = nullptr;
    QAction* hk_enter = nullptr;

    // Cuts the window to the skin's mask.
    skin::FormShaper* f_shape = nullptr;

    // Timers of the Clock window, all created stopped.
    platform::TickTimer* tt_time = nullptr;
    platform::TickTimer* tt_alarm = nullptr;
    platform::TickTimer* tt_countdown = nullptr;
    platform::TickTimer* tt_timer = nullptr;
    QTimer* tt_reminder = nullptr;
    QTimer* tt_flash = nullptr;
    signal::WarningLock* tt_locker = nullptr; // the one warning lock
    QTimer* tt_move = nullptr;
    QTimer* tt_priority = nullptr;
    QTimer* tt_hide = nullptr;
    QTimer* tt_system = nullptr;
    QTimer* tt_shader = nullptr;
    QTimer* tt_rebooter = nullptr;

  private:
    void setupIndicators(QWidget* window);
    void setupTimers(QWidget* window);
    void setupMenu(QWidget* window);
    void setupHotkeys(QWidget* window);
};

} // namespace kok::clock
