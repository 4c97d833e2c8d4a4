#include <QApplication>
#include <QtTest>

#include "support/qt_test_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : kok::test::qtTests()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed == 0 ? 0 : 1;
}
