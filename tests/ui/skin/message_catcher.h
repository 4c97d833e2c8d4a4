#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace kok::test {

// Answers the program's message boxes with OK while it lives and keeps
// what they said, so that code showing a modal message can be tested.
class MessageCatcher : public QObject {
  public:
    MessageCatcher() {
        connect(&poll_, &QTimer::timeout, this, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible() || box->objectName() != "kok_message") continue;
                texts << box->text();
                captions << box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll_.start(10);
    }
    QStringList texts;
    QStringList captions;

  private:
    QTimer poll_;
};

} // namespace kok::test
