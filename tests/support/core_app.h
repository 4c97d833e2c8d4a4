// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace kok::test {

// The process's Qt application, created on first use, for GoogleTest binaries
// whose tests need timers or an event loop.
inline QCoreApplication& coreApp() {
    static int argc = 1;
    static char name[] = "unit_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

} // namespace kok::test
