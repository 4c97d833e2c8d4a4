// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <string>

#include "signals/bar_placement.h"

class QAction;
class QLabel;
class QTimer;

namespace kok::settings {
class IniFile;
}

namespace kok::signal {

class BarWindow;

// The Message bar: when an event fires, the Clock window itself becomes a
// strip at the top of the screen, a strip opening from the middle, or the
// whole screen, covered by the panel `p_messager` with the event's message.
// It stays until a click on the panel, Esc or Enter.
class MessageBar : public QObject {
    Q_OBJECT

  public:
    // `window` becomes the bar; `panel` is its child that shows the text.
    MessageBar(BarWindow& window, QLabel* panel, QTimer* tt_flash, QAction* hk_esc,
               QAction* hk_enter);

    // Turns the window into the bar of `event` (alarm slots 0..9, the
    // countdown from 10 on); returns once it is placed and shown. The keys do
    // not dismiss it until armDismissal().
    void ShowMessageBar(int event);
    // The same bar with a text of the caller's, such as a missed alarm's.
    void ShowMessageText(const std::string& text);
    // Says why something did not happen as set, such as a sound file refused
    // for its size: added to the text of the bar that shows (also while its
    // event's actions run), else shown as a bar of its own.
    void tell(const std::string& why);
    // Lets a click, Esc and Enter dismiss the bar (after the event's actions).
    void armDismissal();
    // Whether the bar shows and may be dismissed.
    bool showing() const { return showing_; }
    // The event of the bar that shows or showed last.
    int event() const { return event_; }

    // The dismissal: does nothing unless the bar shows.
    void p_messagerClick();
    // One colour swap.
    void tt_flashTimer();

  signals:
    // True when a bar starts showing (before its growth), false at its dismissal.
    void showingChanged(bool showing);
    // After the window took back its skin and position.
    void dismissed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(const settings::IniFile& ini, const std::string& text);
    void setPanelColours(const QColor& background, const QColor& text);
    // Shows every step of the growth that its time reached, ending on the last.
    void grow(const BarGrowth& growth, QPoint screenOrigin);

    BarWindow& window_;
    QLabel* panel_;
    QTimer* flash_;
    QAction* esc_;
    QAction* enter_;
    QColor colorBG_;
    QColor colorFG_;
    int flashMs_ = 0;
    // Kept from one bar to the next.
    bool flashPhase_ = false;
    bool showing_ = false;
    int event_ = -1;
};

} // namespace kok::signal
