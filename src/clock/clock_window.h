#pragma once

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>

#include "clock/image_button.h"
#include "signals/hourly_chime.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace kok::settings {
class IniFile;
}
namespace kok::skin {
class FormShaper;
}

namespace kok::clock {

// The Clock window: a borderless, always-on-top window without a taskbar
// entry that shows the time and carries the skin. Its components keep the
// names the rest of the program knows them by; each is also its object name.
class ClockWindow : public QWidget {
    Q_OBJECT

public:
    // `firstArgument` is the program's first command-line argument.
    explicit ClockWindow(QString firstArgument, QWidget* parent = nullptr);
    ~ClockWindow() override;

    // Indicators and skin pictures.
    QLabel* i_face = nullptr;
    QLabel* t_time = nullptr;
    QLabel* t_timer = nullptr;
    ImageButton* i_settings = nullptr;
    ImageButton* i_close = nullptr;
    ImageButton* i_timer = nullptr;

    // Hidden picture holders the buttons take their pictures from.
    QPixmap ir_settings_of, ir_settings_on, ir_settings_dn;
    QPixmap ir_close_of, ir_close_on, ir_close_dn;
    QPixmap ir_timer_of, ir_timer_on, ir_timer_dn, ir_timer_at;
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
    QAction* m_timers = nullptr; // submenu
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

    // Timers of the Clock window, all created disabled.
    QTimer* tt_time = nullptr;
    QTimer* tt_alarm = nullptr;
    QTimer* tt_countdown = nullptr;
    QTimer* tt_timer = nullptr;
    QTimer* tt_reminder = nullptr;
    QTimer* tt_flash = nullptr;
    QTimer* tt_locker = nullptr;
    QTimer* tt_move = nullptr;
    QTimer* tt_priority = nullptr;
    QTimer* tt_hide = nullptr;
    QTimer* tt_system = nullptr;
    QTimer* tt_shader = nullptr;
    QTimer* tt_rebooter = nullptr;

    // The Message bar's "showing" flag (1 while it shows).
    int p_messagerTag = 0;

    // Whether the right mouse button opens `menu` (off during the autostart delay
    // and while the Message bar shows).
    bool menuAutoPopup() const { return menuAutoPopup_; }
    void setMenuAutoPopup(bool on) { menuAutoPopup_ = on; }

    // Whether the skin has a second indicator.
    bool hasSecondIndicator() const;

    // The skin shows the uptime item only when it has a second indicator. An
    // item lost to a failed write stays hidden.
    void setSystemMenuVisible(bool visible);

    // Gives every flagged button its idle picture and clears its flag.
    void resetButtonsToIdle();

    // Hides and shows the window, which reloads its settings.
    void reshow();

public slots:
    // Commands of the popup menu and the buttons.
    void m_settingsClick();
    void m_skinClick();
    void m_datetimeClick();
    void m_systemClick();
    void m_magnetClick();
    void ma_settingsClick();
    void mt_settings_cdnClick();
    void mt_settings_tmrClick();
    void m_hide_10Click();
    void m_hide_60Click();
    void m_infoClick();
    void m_closeClick();
    void m_rebootClick();

    // Commands whose work belongs to the alarms, timers and the Message bar.
    void m_noremindClick();
    void ma_0Click(int slot);
    void mt_start_cdnClick();
    void mt_start_tmrClick();
    void mt_mode_stopClick();
    void mt_mode_pauseClick();
    void i_timerClick();
    void p_messagerClick();

protected:
    void showEvent(QShowEvent* event) override;
    // The Clock window is the main window: closing it (from the window
    // manager) ends the program.
    void closeEvent(QCloseEvent* event) override;
    // Presses, releases and moves over the face and the indicators reach the
    // window: the labels on it let them through.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void tt_timeTimer();
    void tt_rebooterTimer();
    void tt_lockerTimer();
    void tt_moveTimer();
    void tt_priorityTimer();
    void tt_hideTimer();
    void tt_systemTimer();
    void tt_shaderTimer();

private:
    QTimer* makeTimer(const char* name, int intervalMs, bool singleShot = false);
    void buildComponents();
    void buildMenu();
    void buildHotkeys();
    void connectButtons();
    void FormCreate();
    void FormShow();

    // Steps of the show-time load, in their order.
    void loadPosition(const settings::IniFile& ini);
    void loadPriorityAndMagnet(const settings::IniFile& ini);
    void loadChimeKind(const settings::IniFile& ini);
    void loadIndicatorMode(const settings::IniFile& ini);
    void loadAlarms(const settings::IniFile& ini);
    bool resumeTimers(const settings::IniFile& ini);
    void loadStopwatchButtonMode(const settings::IniFile& ini);

    void showCurrentTime();
    void startClockTick();
    void checkHourlyChime();

    // Placement: dragging, storing the position, hiding.
    QPoint visiblePosition(QPoint stored) const;
    void storePosition();
    void showPositionInDialog(QPoint position);
    void hideFor(int ms);
    void popupMenu(QPoint globalPos);

    // Button pictures.
    QPixmap idlePicture(const ImageButton* button) const;
    void showButtonOver(ImageButton* button, const QPixmap& over);
    void showButtonPressed(ImageButton* button, const QPixmap& pressed);

    QString firstArgument_;
    bool menuAutoPopup_ = true;
    QPoint dragOrigin_;
    bool systemItemLost_ = false;
    signal::HourlyChime hourlyChime_;
};

} // namespace kok::clock
