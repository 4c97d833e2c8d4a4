// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that fail on purpose, run by planted_hang.sh: a question no test
// scripted fails at once; a real message box nobody closes hangs until Qt
// Test's watchdog ends the test as a failure.

#include <QApplication>
#include <QtTest>

#include "platform/message_box.h"
#include "support/scripted_answers.h"

class PlantedHangTest : public QObject {
    Q_OBJECT

  private slots:
    void aQuestionNobodyScripted() {
        kok::test::NoQuestions none;
        kok::platform::Questions* previous = kok::platform::installQuestions(&none);
        kok::platform::showMessage("Nobody scripted this message.", "Unscripted");
        kok::platform::installQuestions(previous);
    }

    void aMessageNobodyAnswers() {
        const kok::test::UseRealDialogs real;
        kok::platform::showMessage("Nobody answers this message.", "Planted hang");
        QFAIL("the message box was closed, but nobody closes it");
    }
};

QTEST_MAIN(PlantedHangTest)
#include "planted_hang_test.moc"
