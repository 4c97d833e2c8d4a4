// SPDX-License-Identifier: GPL-3.0-or-later
// A test that hangs on purpose: it opens a real message box and nobody closes
// it. planted_hang.sh runs it to show that such a test ends, as a failure.

#include <QApplication>
#include <QtTest>

#include "platform/message_box.h"
#include "support/scripted_answers.h"

class PlantedHangTest : public QObject {
    Q_OBJECT

  private slots:
    void aMessageNobodyAnswers() {
        const kok::test::UseRealDialogs real;
        kok::platform::showMessage("Nobody answers this message.", "Planted hang");
        QFAIL("the message box was closed, but nobody closes it");
    }
};

QTEST_MAIN(PlantedHangTest)
#include "planted_hang_test.moc"
