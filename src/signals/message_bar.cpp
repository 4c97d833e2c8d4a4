// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/message_bar.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#include "settings/settings_file.h"
#include "signals/bar_window.h"
#include "signals/wave_playback.h"
#include "skin/skin_font.h"

namespace kok::signal {
namespace {

// About one frame of a 60 Hz display between two steps of the growth.
constexpr int kFrameMs = 16;

QFont messageFont(const MessageBarLook& look, const QFont& base) {
    skin::SkinFont face;
    face.face = look.smallFonts ? "Small Fonts" : "Arial Black";
    QFont f = skin::skinFont(face, base);
    // The heavy face: the boldest weight the sans face has.
    if (!look.smallFonts) f.setWeight(QFont::Black);
    if (look.sizePt > 0) f.setPointSize(look.sizePt);
    return f;
}

} // namespace

MessageBar::MessageBar(BarWindow& window, QLabel* panel, QTimer* tt_flash, QAction* hk_esc,
                       QAction* hk_enter)
    : window_(window), panel_(panel), flash_(tt_flash), esc_(hk_esc), enter_(hk_enter) {
    // The message comes from the Settings file: shown as typed, never as
    // markup that could format it or load pictures.
    panel_->setTextFormat(Qt::PlainText);
    connect(flash_, &QTimer::timeout, this, &MessageBar::tt_flashTimer);
    connect(esc_, &QAction::triggered, this, &MessageBar::p_messagerClick);
    connect(enter_, &QAction::triggered, this, &MessageBar::p_messagerClick);
    panel_->installEventFilter(this);
}

void MessageBar::ShowMessageBar(int event) {
    event_ = event;
    const settings::IniFile ini = settings::openSettings();
    show(ini, readEventMessage(ini, event));
}

void MessageBar::ShowMessageText(const std::string& text) {
    show(settings::openSettings(), text);
}

void MessageBar::tell(const std::string& why) {
    if (panel_->isHidden()) {
        ShowMessageText(why);
        armDismissal();
        return;
    }
    // Set off from the message as the program's own default messages set off
    // their second part.
    panel_->setText(panel_->text() + QStringLiteral("     [ ") + QString::fromStdString(why) +
                    QStringLiteral(" ]"));
}

void MessageBar::show(const settings::IniFile& ini, const std::string& text) {
    const MessageBarLook look = readMessageBarLook(ini);
    colorBG_ = skin::skinColor(look.colorBG);
    colorFG_ = skin::skinColor(look.colorFG);
    panel_->setFont(messageFont(look, panel_->font()));
    flashMs_ = look.frequencyMs;
    panel_->setText(QString::fromStdString(text));
    emit showingChanged(true);

    window_.setBarColour(colorBG_);
    setPanelColours(colorBG_, colorFG_);

    window_.takeSkinOff();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const BarGrowth growth = barGrowth(look.placement, look.height, screen.width(), screen.height(),
                                       window_.barSize().height());
    const bool full = look.placement == BarPlacement::Full;
    panel_->setFrameStyle(full ? QFrame::NoFrame : QFrame::Panel | QFrame::Raised);
    flash_->stop();
    // A period of 0 or less never swaps.
    if (!full && flashMs_ > 0) flash_->start(flashMs_);

    // The panel covers the window from the first step, so the bar grows as one.
    panel_->show();
    panel_->raise();
    // A hidden window shows first: its show-time load puts it at its stored
    // place, which the growth then overrides.
    window_.showBar();
    grow(growth, screen.topLeft());

    window_.raiseBar();
    window_.repaintBar();
    // A screen reader speaks the message as it appears: on AT-SPI from the
    // panel's showing (see MessagePanel), elsewhere from this alert.
    QAccessibleEvent alert(panel_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void MessageBar::grow(const BarGrowth& growth, QPoint screenOrigin) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int step = growth.stepAt(clock.elapsed());
        const BarRect r = growth.at(step);
        window_.placeBar(
            QRect(screenOrigin.x() + r.x, screenOrigin.y() + r.y, r.w, std::max(0, r.h)));
        panel_->setGeometry(QRect(QPoint(0, 0), window_.barSize()));
        window_.repaintBar();
        if (step >= growth.steps) return;
        // No events are handled while the bar grows, as no timer may fire
        // into a half-placed bar.
        const auto left = growth.durationMs() - clock.elapsed();
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::clamp<qint64>(left, 1, kFrameMs)));
    }
}

void MessageBar::armDismissal() {
    esc_->setEnabled(true);
    enter_->setEnabled(true);
    showing_ = true;
}

void MessageBar::p_messagerClick() {
    if (!showing_) return;
    esc_->setEnabled(false);
    enter_->setEnabled(false);
    showing_ = false;
    emit showingChanged(false);
    StopSound();
    panel_->hide();
    flash_->stop();
    window_.putSkinBack();
    emit dismissed();
}

void MessageBar::tt_flashTimer() {
    const bool wasSet = flashPhase_;
    flashPhase_ = !flashPhase_;
    if (wasSet)
        setPanelColours(colorBG_, colorFG_);
    else
        setPanelColours(colorFG_, colorBG_);
}

void MessageBar::setPanelColours(const QColor& background, const QColor& text) {
    QPalette pal = panel_->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    panel_->setPalette(pal);
}

// A left click on the panel dismisses the bar. Presses stop at the panel so
// that they neither drag the window nor open its menu.
bool MessageBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            panel_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            p_messagerClick();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace kok::signal
