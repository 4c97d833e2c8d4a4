// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Several Qt Test classes in one binary per area: each test file registers its
// class with KOK_QT_TEST, and qt_test_main.cpp runs them all in turn.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace kok::test {

using QtTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<QtTestFactory>& qtTests() {
    static std::vector<QtTestFactory> tests;
    return tests;
}

struct QtTestRegistration {
    explicit QtTestRegistration(QtTestFactory factory) { qtTests().push_back(std::move(factory)); }
};

} // namespace kok::test

#define KOK_QT_TEST(Class)                                                                         \
    static const kok::test::QtTestRegistration kokQtTest##Class(                                   \
        [] { return std::unique_ptr<QObject>(new Class); })
