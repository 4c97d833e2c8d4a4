// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QTranslator>

#include "app/language_choice.h"

namespace kok::test {

// The program's translators for `language` while it lives; the ones it
// installed are removed again at its end.
class ScopedLanguage {
  public:
    explicit ScopedLanguage(app::UiLanguage language)
        : before_(app().findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        app::installTranslators(app(), language);
    }
    ~ScopedLanguage() {
        for (QTranslator* t : app().findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
            if (!before_.contains(t)) delete t; // which uninstalls it
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

  private:
    static QCoreApplication& app() { return *QCoreApplication::instance(); }
    QList<QTranslator*> before_;
};

} // namespace kok::test
