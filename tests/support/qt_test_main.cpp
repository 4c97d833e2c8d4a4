// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QtTest>

#include "app/restart.h"
#include "support/qt_test_main.h"
#include "support/scripted_answers.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    // The user's own configuration (the autostart folder above all) and data
    // (skins) are never touched by a test: the tests get folders of their own.
    const kok::test::TempDir config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
    const kok::test::TempDir data;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    QApplication app(argc, argv);
    // The windows under test restart and end the program through the same
    // services as in the program's entry.
    kok::app::ProgramServices services;
    const kok::face::ProgramControlInstall handedIn(services);
    // A question a test did not script fails it rather than waiting for a
    // window nobody will close.
    kok::test::NoQuestions noQuestions;
    kok::platform::installQuestions(&noQuestions);
    int failed = 0;
    for (const auto& make : kok::test::qtTests()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    kok::platform::installQuestions(nullptr);
    return failed == 0 ? 0 : 1;
}
