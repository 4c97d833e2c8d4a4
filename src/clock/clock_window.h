#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

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
    QLabel* i_settings = nullptr;
    QLabel* i_close = nullptr;
    QLabel* i_timer = nullptr;

    // Hidden picture holders the buttons take their pictures from.
    QPixmap ir_settings_of, ir_settings_on, ir_settings_dn;
    QPixmap ir_close_of, ir_close_on, ir_close_dn;
    QPixmap ir_timer_of, ir_timer_on, ir_timer_dn, ir_timer_at;
    QPixmap i_mask;

    QMenu* menu = nullptr;

    // Cuts the window to the skin's mask.
    skin::FormShaper* f_shape = nullptr;

    // The skin decides whether the uptime item `m_system` is offered.
    void setSystemMenuVisible(bool visible);
    bool systemMenuVisible() const { return systemMenuVisible_; }

    // Every skin button back to its idle picture.
    void resetButtonsToIdle();

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

    // Whether the right mouse button opens `menu` (off during the autostart delay).
    bool menuAutoPopup() const { return menuAutoPopup_; }

    // Whether the skin has a second indicator.
    bool hasSecondIndicator() const;

public slots:
    void m_closeClick();
    void m_rebootClick();

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private slots:
    void tt_timeTimer();
    void tt_rebooterTimer();
    void tt_lockerTimer();

private:
    QTimer* makeTimer(const char* name, int intervalMs, bool singleShot = false);
    void buildComponents();
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

    QString firstArgument_;
    bool menuAutoPopup_ = true;
    bool uptimeShown_ = false;
    bool systemMenuVisible_ = true;
};

} // namespace kok::clock
