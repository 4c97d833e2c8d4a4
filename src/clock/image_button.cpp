// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/image_button.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace kok::clock {
namespace {

// A screen reader sees a button it can press, not a picture: the name is the
// button's accessible name, the description its tooltip.
class ImageButtonAccessible : public QAccessibleWidget {
  public:
    explicit ImageButtonAccessible(ImageButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<ImageButton*>(widget())->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* imageButtonAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(ImageButton::staticMetaObject.className())) return nullptr;
    return new ImageButtonAccessible(static_cast<ImageButton*>(object));
}

} // namespace

ImageButton::ImageButton(const char* name, QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(imageButtonAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(name);
    setMouseTracking(true);
    // Right clicks come as plain presses and releases, as they do on the face.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(0, 0);
}

// A press from assistive technology is a click, as a left click would be.
void ImageButton::press() {
    emit pressed();
    emit clicked();
    emit released();
}

// Every handler accepts its event, so that nothing reaches the window below:
// a button never starts a drag.
void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit pointerMoved();
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    releaseEndsDoubleClick_ = false;
    emit pressed();
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
    if (event->button() != Qt::LeftButton) return;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = event->button() == Qt::LeftButton && !releaseEndsDoubleClick_ &&
                       rect().contains(event->position().toPoint());
    releaseEndsDoubleClick_ = false;
    // The click runs before the release resets the picture, so that a click
    // that changes the idle picture (the timer button's) is reflected at once.
    if (click) emit clicked();
    emit released();
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
}

} // namespace kok::clock
