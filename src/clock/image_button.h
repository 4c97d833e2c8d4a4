// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPoint>

namespace kok::clock {

// A skin button: a picture that reports the pointer moving over it, presses,
// releases, clicks and double clicks. Which picture it shows is the Clock
// window's business; the button only keeps the flag telling that it is not
// showing its idle picture.
class ImageButton : public QLabel {
    Q_OBJECT

  public:
    ImageButton(const char* name, QWidget* parent);

    // Set while the button shows its over or pressed picture. It starts set,
    // so that the first reset gives every button its idle picture.
    bool notIdle = true;

    // The press a screen reader asks for: the pictures and the command of a
    // left click.
    void press();

  signals:
    void pointerMoved();
    void pressed();
    void released();
    // A left-button release over the button that did not end a double click.
    void clicked();
    void doubleClicked();
    // The right button was released; the window opens its menu there.
    void menuRequested(QPoint globalPos);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool releaseEndsDoubleClick_ = false;
};

} // namespace kok::clock
