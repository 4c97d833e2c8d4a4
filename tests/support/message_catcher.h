// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the program's message boxes with OK while it lives and keeps what they said.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace kok::test {

// Needs a running event loop: the boxes are modal, so their own loop will do.
class MessageCatcher {
  public:
    MessageCatcher() {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                // "kok_message" names the boxes of platform::showMessage.
                if (!box || !box->isVisible() || box->objectName() != "kok_message") continue;
                texts << box->text();
                captions << box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll_.start(10);
    }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    QStringList texts;    // in the order shown
    QStringList captions; // one for each text
  private:
    QTimer poll_;
};

} // namespace kok::test
