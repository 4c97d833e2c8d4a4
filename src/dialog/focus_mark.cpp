// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/focus_mark.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace kok::dialog {
namespace {

class FocusMark : public QWidget {
  public:
    explicit FocusMark(QWidget* owner) : QWidget(owner) {
        setObjectName(QStringLiteral("focusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(owner->rect());
        hide();
        owner->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* owner = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            setGeometry(owner->rect());
            raise();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Resize:
            setGeometry(owner->rect());
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        // Light under dark, so that it shows on any colour, a swatch's too.
        QPainter painter(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QPen(palette().color(QPalette::Base), 1));
        painter.drawRect(frame);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(frame);
    }
};

} // namespace

void markFocus(QWidget* widget) {
    if (!widget->findChild<FocusMark*>(QString(), Qt::FindDirectChildrenOnly))
        new FocusMark(widget);
}

} // namespace kok::dialog
