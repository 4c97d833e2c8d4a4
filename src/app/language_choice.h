// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

namespace kok::app {

// The program's texts are written in Russian; English is the one translation.
enum class UiLanguage { Russian, English };

// Russian for a Russian desktop and for one with no language set (C, POSIX),
// English for every other: `uiLanguages` as QLocale::uiLanguages() gives it,
// the preferred first.
UiLanguage chooseUiLanguage(const QStringList& uiLanguages);

// Installs the translators for the desktop's language: the program's English,
// or Qt's own Russian for its choosers and buttons. Called once, before any
// window is made.
void installTranslators(QCoreApplication& app);
// The same for `language` whatever the desktop's.
void installTranslators(QCoreApplication& app, UiLanguage language);

} // namespace kok::app
