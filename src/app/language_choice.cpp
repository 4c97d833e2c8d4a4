// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kok::app {

UiLanguage chooseUiLanguage(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) return UiLanguage::Russian;
    const QString first = uiLanguages.front();
    const QString language = first.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0);
    if (language.isEmpty() || language == u"C" || language == u"POSIX" ||
        language.compare(u"ru", Qt::CaseInsensitive) == 0)
        return UiLanguage::Russian;
    return UiLanguage::English;
}

void installTranslators(QCoreApplication& app) {
    installTranslators(app, chooseUiLanguage(QLocale::system().uiLanguages()));
}

void installTranslators(QCoreApplication& app, UiLanguage language) {
    auto* translator = new QTranslator(&app);
    const bool loaded = language == UiLanguage::Russian
                            // Without Qt's Russian the program's own texts stay Russian and
                            // only Qt's buttons and choosers speak English.
                            ? translator->load(QStringLiteral("qtbase_ru"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                            : translator->load(QStringLiteral(":/i18n/koktd_en.qm"));
    if (loaded)
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace kok::app
