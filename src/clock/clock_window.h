// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>

#include "clock/clock_form.h"
#include "clock/clock_parts.h"
#include "dialog/clock_link.h"
#include "face/clock_surface.h"
#include "face/settings_view.h"
#include "signals/bar_window.h"
#include "signals/hourly_chime.h"

namespace kok::settings {
class IniFile;
}
namespace kok::test {
class ClockWindowInside;
}

namespace kok::clock {

// The Clock window: a borderless, always-on-top window without a taskbar
// entry that shows the time and carries the skin. It is a form: it creates
// the named components (ClockForm) and wires them, and each handler hands its
// work to the part of the program that owns it.
class ClockWindow : public QWidget,
                    public ClockSurface,
                    public signal::BarWindow,
                    public dialog::ClockLink {
    Q_OBJECT

  public:
    // `firstArgument` is the program's first command-line argument.
    explicit ClockWindow(QString firstArgument, QWidget* parent = nullptr);
    ~ClockWindow() override;

    // The named components, for the parts built beside the window.
    ClockForm& form() { return ui_; }
    // The parts the window shows and its menu drives, built beside it
    // (src/app) before it is first shown. Set once.
    void attachParts(const ClockParts& parts);

    // Hides the clock for `ms`; it comes back at its stored place.
    void hideFor(int ms);
    void showClock();

    // The Settings file changed: the show-time load runs again without a
    // hide and show.
    void applySettings();

    // The settings dialog's OK: the next show-time load starts a running
    // countdown anew.
    void setCountdownRestart(bool fresh) override;

    // The dialog the menu opens; none until set. Set once: the menu's items
    // are connected to it here.
    void setSettingsDialog(face::SettingsView* dialog);
    face::SettingsView* settingsView() const { return dialog_; }

    // ClockSurface
    void reshow() override;
    void setIndicatorText(Indicator which, const QString& text) override;
    void setTimerButtonRunning(bool running) override;
    bool hasTimerIndicator() const override { return hasSecondIndicator(); }
    void showTimerText(const QString& text) override;
    void setClockTickRunning(bool running) override;
    void setUptimeDisplayEnabled(bool enabled) override;

    // BarWindow
    void takeSkinOff() override;
    void putSkinBack() override;
    void setBarColour(const QColor& background) override;
    QSize barSize() const override { return size(); }
    void placeBar(const QRect& geometry) override { setGeometry(geometry); }
    void showBar() override;
    void raiseBar() override;
    void repaintBar() override { repaint(); }

    // ClockLink
    QPoint clockPosition() const override { return pos(); }
    QSize clockSize() const override { return size(); }
    void moveClockTo(QPoint position) override { move(position); }
    void setAlarmMenuVisible(bool visible) override;
    void hideSettingsMenuItems() override;
    void reloadSettings() override;
    bool countdownRunning() const override;
    bool stopwatchTicking() const override;
    bool stopwatchPaused() const override;
    void pauseStopwatch() override;
    void resumeStopwatch() override;
    void toggleStopwatch() override;

  public slots:
    // Commands of the popup menu and the buttons that are the window's own;
    // the others are connected straight to the part that owns them.
    void m_settingsClick();
    void m_systemClick();
    void m_magnetClick();
    void m_hide_10Click();
    void m_hide_60Click();

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
    // The focused clock without a mouse: the menu keys and the Settings.
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void tt_timeTimer();
    void tt_rebooterTimer();
    void tt_moveTimer();
    void tt_priorityTimer();
    void tt_hideTimer();
    void tt_systemTimer();
    void tt_shaderTimer();

  private:
    // Tests look at the parts inside.
    friend class test::ClockWindowInside;

    void connectComponents();
    void connectParts();
    void connectMenu();
    void connectOwnedItems();
    void connectSectionItems();
    void connectButtons();
    void connectTimerButton();
    void FormCreate();
    void FormShow();

    // Puts the chosen skin on; false when it could not be loaded.
    bool ApplySkin(const skin::SkinChoice& choice);
    void applySkinDescription(const skin::SkinDescription& d);
    // A skin that cannot be loaded ends in a restart with the built-in one.
    void applySkinOrRestart();

    // Steps of the show-time load, in their order.
    void loadPosition(const settings::IniFile& ini);
    void loadPriorityAndMagnet(const settings::IniFile& ini);
    void loadIndicatorMode(const settings::IniFile& ini);
    void loadAlarms(const settings::IniFile& ini);

    void showCurrentTime();
    void showTime(const QString& text);
    void startClockTick();

    // Placement: dragging, storing the position, hiding.
    QPoint visiblePosition(QPoint stored) const;
    void storePosition();
    bool settingsDialogVisible() const;
    void popupMenu(QPoint globalPos);
    // The menu opened from the keyboard, over the clock, its default item
    // highlighted.
    void popupMenuAtClock();

    // Whether the skin has a second indicator.
    bool hasSecondIndicator() const;
    // The skin shows the uptime item only when it has a second indicator. An
    // item lost to a failed write stays hidden.
    void setSystemMenuVisible(bool visible);

    // Button pictures.
    // Gives every flagged button its idle picture and clears its flag.
    void resetButtonsToIdle();
    QPixmap idlePicture(const ImageButton* button) const;
    void showButtonOver(ImageButton* button, const QPixmap& over);
    void showButtonPressed(ImageButton* button, const QPixmap& pressed);

    ClockForm ui_;
    // Not owned: the parts outlive the window's use of them.
    signal::MessageBar* messageBar_ = nullptr;
    alarm::EventFiring* firing_ = nullptr;
    alarm::AlarmController* alarms_ = nullptr;
    timers::Timers* timers_ = nullptr;
    commands::ClockCommands* commands_ = nullptr;
    signal::HourlyChime hourlyChime_;
    face::SettingsView* dialog_ = nullptr;
    QString firstArgument_;
    // Whether the right mouse button opens the menu (off during the autostart
    // delay and while the Message bar shows).
    bool menuAutoPopup_ = true;
    bool timerButtonRunning_ = false;
    QPoint dragOrigin_;
    bool systemItemLost_ = false;
};

} // namespace kok::clock
