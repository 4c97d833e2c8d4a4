// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/language_choice.h"
#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_file.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/scoped_language.h"
#include "support/scripted_answers.h"
#include "ui/dialog/fake_clock_link.h"

using kok::app::UiLanguage;

namespace {

struct TsEntry {
    QString context, source, translation;
    bool finished = false;
};

std::vector<TsEntry> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    std::vector<TsEntry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            entries.push_back({context, {}, {}, false});
        else if (xml.name() == u"source")
            entries.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            // lupdate marks new texts "unfinished" and dropped ones "vanished"/"obsolete".
            const bool typed = xml.attributes().hasAttribute(QStringLiteral("type"));
            entries.back().translation = xml.readElementText();
            entries.back().finished = !typed && !entries.back().translation.isEmpty();
        }
    }
    if (xml.hasError()) qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// Every text the English translation knows comes out wrapped in marks, so a
// text shown without them did not go through a translator.
class MarkingTranslator : public QTranslator {
  public:
    explicit MarkingTranslator(const std::vector<TsEntry>& entries) {
        for (const auto& e : entries)
            marked_.insert(e.context + u'\x04' + e.source, u'⟦' + e.translation + u'⟧');
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return marked_.value(QString::fromUtf8(context) + u'\x04' + QString::fromUtf8(source));
    }

  private:
    QHash<QString, QString> marked_;
};

// What is left of a text once its marked parts are taken out.
QString unmarkedPart(QString text) {
    static const QRegularExpression marked(QStringLiteral("⟦[^⟧]*⟧"));
    return text.remove(marked);
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

bool hasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

void collectMenu(const QMenu& menu, QStringList& shown) {
    shown << menu.objectName() + ": " + menu.title();
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator()) continue;
        if (a->menu())
            collectMenu(*a->menu(), shown);
        else
            shown << a->objectName() + ": " + a->text();
    }
}

// The texts a person sees in a window: captions, titles, list items and tooltips.
void collectWidgets(const QWidget& window, QStringList& shown) {
    shown << window.objectName() + ": " + window.windowTitle();
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName() + ": ";
        if (auto* l = qobject_cast<const QLabel*>(w)) shown << name + l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) shown << name + b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) shown << name + g->title();
        if (auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                shown << name + c->itemText(i);
        if (!w->toolTip().isEmpty()) shown << w->objectName() + " tooltip: " + w->toolTip();
    }
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    // Russian for a Russian desktop and for one with no language set,
    // English for any other, whatever follows the first choice.
    void theDesktopsFirstLanguageChooses() {
        const std::vector<std::pair<QStringList, UiLanguage>> cases = {
            {{}, UiLanguage::Russian},
            {{"C"}, UiLanguage::Russian},
            {{"POSIX"}, UiLanguage::Russian},
            {{"C.UTF-8"}, UiLanguage::Russian},
            {{"ru-RU", "ru"}, UiLanguage::Russian},
            {{"ru_UA.UTF-8"}, UiLanguage::Russian},
            {{"en-US", "en"}, UiLanguage::English},
            {{"de-DE", "ru-RU"}, UiLanguage::English},
            {{"uk-UA"}, UiLanguage::English},
            {{"run"}, UiLanguage::English},
        };
        for (const auto& [languages, expected] : cases)
            QVERIFY2(kok::app::chooseUiLanguage(languages) == expected,
                     qPrintable(languages.join(',')));
    }

    // Every text of the program has its English, and nothing that was dropped
    // from the sources lingers.
    void everyTextHasFinishedEnglish() {
        const auto entries = readTs(QStringLiteral(KOKTD_EN_TS));
        QVERIFY(entries.size() > 200);
        QStringList unfinished;
        for (const auto& e : entries)
            if (!e.finished) unfinished << e.context + ": " + e.source;
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join('\n')));
    }

    // Qt's own buttons and choosers speak Russian with the program's
    // Russian, and English with its English.
    void qtsOwnTextsFollowTheLanguage() {
        const auto translated = [](UiLanguage language, const char* context, const char* text) {
            const kok::test::ScopedLanguage scoped(language);
            return QCoreApplication::translate(context, text);
        };
        QCOMPARE(translated(UiLanguage::English, "QPlatformTheme", "Cancel"), QString("Cancel"));
        QCOMPARE(translated(UiLanguage::English, "kok::dialog::SettingsDialog",
                            "Отменить несохранённые изменения?"),
                 QString("Discard unsaved changes?"));
        const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(qtDir + "/qtbase_ru.qm"))
            QSKIP(qPrintable("no qtbase_ru.qm in " + qtDir + " (qt6-translations-l10n)"));
        const QString cancel = translated(UiLanguage::Russian, "QPlatformTheme", "Cancel");
        QVERIFY2(hasCyrillic(cancel), qPrintable(cancel));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }

    // With every known text marked, the clock's menu and button tooltips,
    // every page of the dialog and its discard question show nothing unmarked but data (listed
    // below) and values: numbers and times, and the file and skin names in edit fields, which are
    // not looked at here.
    void noInterfaceTextBypassesTheTranslators() {
        MarkingTranslator marking(readTs(QStringLiteral(KOKTD_EN_TS)));
        QCoreApplication::installTranslator(&marking);
        kok::test::ProgramFolder folder;
        kok::test::writeBytes(kok::settings::settingsFilePath(),
                              "[kOk:TD:Timer]\r\nCountDown=300\r\n");
        QStringList shown;
        {
            kok::test::ComposedClock clock{QString{}};
            collectMenu(*part<QMenu>(clock, "menu"), shown);
            collectWidgets(clock, shown);
        }
        kok::test::FakeClockLink link;
        kok::dialog::SettingsDialog dialog(link);
        for (int s = 0; s < kok::dialog::SettingsDialog::SectionCount; ++s) {
            dialog.openSection(kok::dialog::SettingsDialog::Section(s));
            collectWidgets(dialog, shown);
        }
        kok::test::ScriptedAnswers answer;
        answer.nextButton(QMessageBox::RejectRole); // keeps the edit
        answer.look = [&shown](QWidget& box) { collectWidgets(box, shown); };
        dialog.openSection(kok::dialog::SettingsDialog::Countdown);
        QTest::keyClicks(part<QLineEdit>(dialog, "e_secs"), "1");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(shown.contains("kok_discard_question: " + dialog.windowTitle()));
        QCOMPARE(answer.asked.size(), 1);
        dialog.hide();
        QCoreApplication::removeTranslator(&marking);

        // Data: the program's name, build and web addresses, the message
        // bar's sample text, the external skins' folders in their tooltips.
        const QStringList data = {"koktd",
                                  "p_messager",
                                  "t_title",
                                  "t_id",
                                  "t_nick",
                                  "t_mail",
                                  "t_web",
                                  "p_preview",
                                  "o_external_98 tooltip",
                                  "o_external_xp tooltip"};
        // The skins page shows the skins' own name, author, address and site.
        const QRegularExpression skinPanel(
            QStringLiteral("^si_\\w+_(name|author|mail|web)( tooltip)?$"));
        shown.removeDuplicates();
        QStringList unmarked;
        for (const QString& text : shown) {
            const QString object = text.section(": ", 0, 0);
            if (data.contains(object) || skinPanel.match(object).hasMatch()) continue;
            if (hasLetter(unmarkedPart(text.section(": ", 1)))) unmarked << text;
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join('\n')));
        QVERIFY(shown.size() > 150);
    }
};

KOK_QT_TEST(TranslationTest);
#include "translation_test.moc"
