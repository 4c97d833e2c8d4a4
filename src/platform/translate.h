// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Interface texts are written in Russian and shown through Qt's translators.
// A text kept in a constant is marked where it is written,
// QT_TRANSLATE_NOOP("Context", "…"), so that lupdate finds it, and translated
// here where it is shown, with the same context.

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace kok::platform {

inline QString trQ(const char* context, std::string_view source) {
    return QCoreApplication::translate(context, std::string(source).c_str());
}

inline std::string trText(const char* context, std::string_view source) {
    return trQ(context, source).toStdString();
}

} // namespace kok::platform
