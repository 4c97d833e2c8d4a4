// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QtTest>

#include "app/restart.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    // The user's own configuration (the autostart folder above all) is never
    // touched by a test: the tests get a configuration folder of their own.
    const kok::test::TempDir config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
    QApplication app(argc, argv);
    // The windows under test restart and end the program through the same
    // services as in the program's entry.
    kok::app::ProgramServices services;
    const kok::face::ProgramControlInstall handedIn(services);
    int failed = 0;
    for (const auto& make : kok::test::qtTests()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed == 0 ? 0 : 1;
}
