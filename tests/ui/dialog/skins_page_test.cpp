// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "dialog/plain_text.h"
#include "dialog/skin_info.h"
#include "dialog/skins_page.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "skin/skin_files.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "unit/skin/mask_test_bitmap.h"

using kok::dialog::SettingsGroup;
using kok::dialog::SkinsPage;
using kok::test::TempDir;
namespace fs = std::filesystem;
namespace keys = kok::settings;

namespace {

const QString kLoadError = QString::fromUtf8(kok::dialog::kSkinLoadError.data());
const QString kVersionWarning = QString::fromUtf8(kok::dialog::kSkinVersionWarning.data());

// Makes the running system one of the 9x family or of the NT family while it
// lives, through the stored system version.
class RunningFamily {
  public:
    explicit RunningFamily(bool xp) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
        ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
        fs::create_directories(keys::versionStorePath().parent_path());
        keys::IniFile(keys::versionStorePath())
            .writeString(keys::kVersionSection, keys::kVersionKey,
                         xp ? "Windows XP" : "Windows 98");
    }
    ~RunningFamily() {
        if (previous_)
            ::setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

  private:
    TempDir dir_;
    std::optional<std::string> previous_;
};

// A skin folder with small pictures and the description lines `info`,
// lacking the file `missing`. Returns the path of its "skin.ksf".
QString makeSkin(const TempDir& dir, const std::string& info, std::string_view missing = {}) {
    for (std::string_view name : kok::skin::kSkinFolderFiles) {
        if (name == missing) continue;
        const QString path = QString::fromStdString((dir / std::string(name)).string());
        if (name == "skin.ksf") {
            kok::test::writeBytes(dir / "skin.ksf", "[info]\r\n" + info);
            continue;
        }
        QImage picture(16, 16, name == "mask.bmp" ? QImage::Format_Mono : QImage::Format_RGB32);
        picture.fill(0);
        if (!picture.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
    }
    return QString::fromStdString((dir / "skin.ksf").string());
}

// The page as the dialog shows it, loaded from the Settings file with the
// skin-choice lock open; the file chooser answers `chosenFile`, links are
// recorded instead of opened.
struct Page {
    explicit Page(const std::string& settings = {}) {
        if (!settings.empty())
            kok::test::writeBytes(keys::settingsFilePath(), "[kOk:TD:Skins]\r\n" + settings);
        page.setOpener([this](const QString& address) { opened << address; });
        page.setSkinChooser([this](const QString&) { return chosenFile; });
        page.load(keys::openSettings().snapshot(), SettingsGroup::Skins);
        page.lockerTick(0);
        page.show();
    }
    template <class T = QRadioButton> T* operator()(const char* name) {
        return part<T>(page, name);
    }
    QString text(const char* name) { return part<QLabel>(page, name)->text(); }
    void click(const char* name) { QTest::mouseClick(part<QWidget>(page, name), Qt::LeftButton); }
    // Saves the Skins group alone into an empty file and returns the file.
    std::string save() {
        const fs::path out = keys::programFilePath("saved.ini");
        fs::remove(out);
        keys::IniFile(out).update([&](keys::IniUpdate& u) { page.save(u, SettingsGroup::Skins); });
        return kok::test::readBytes(out);
    }

    SkinsPage page;
    QString chosenFile;
    QStringList opened;
};

bool builtinDescriptionLeft() {
    return fs::exists(keys::programFilePath("kOkTD.ksf"));
}

} // namespace

class SkinsPageTest : public QObject {
    Q_OBJECT

  private slots:
    // A folder that lacks only "timer_at.bmp" is refused with the load error,
    // and the family falls back to the built-in skin chosen last: the
    // extended one while none was chosen since start.
    void incompleteSkinFallsBackToTheLastBuiltin() {
        struct Case {
            const char* family;
            const char* firstClick; // nullptr: no built-in chosen since start
            const char* fallback;
            const char* newPanel;
            const char* shown; // in the new column after the fall-back
            const char* path;
        };
        const Case cases[] = {
            {"98", nullptr, "o_extended_98", "si_9X_name", "Extended", "9X_SkinPath=C:\\\r\n"},
            {"98", "o_default_98", "o_default_98", "si_9X_name", "Default", "9X_SkinPath=C:\\\r\n"},
            {"xp", "o_default_xp", "o_default_xp", "si_nt_name", "Default", "XP_SkinPath=C:\\\r\n"},
            {"xp", "o_extended_xp", "o_extended_xp", "si_nt_name", "Extended",
             "XP_SkinPath=C:\\\r\n"},
        };
        for (const Case& c : cases) {
            kok::test::ProgramFolder program;
            TempDir skin;
            Page p;
            if (c.firstClick) p.click(c.firstClick);
            p.chosenFile = makeSkin(skin, "support=09.0\r\nname=Broken\r\n", "timer_at.bmp");
            kok::test::MessageCatcher boxes;
            p.click(qPrintable(QString("b_load_") + c.family));
            QCOMPARE(boxes.texts, QStringList{kLoadError});
            QVERIFY(p(c.fallback)->isChecked());
            QCOMPARE(p.text(c.newPanel), QString(c.shown));
            QVERIFY(p.save().find(c.path) != std::string::npos); // the old folder stays
            QVERIFY(!builtinDescriptionLeft());
        }
    }

    // A complete skin without "support" is accepted after the version
    // warning; only the chosen column shows it, and OK stores its folder.
    void completeSkinOfUnknownVersionIsAcceptedAfterAWarning() {
        kok::test::ProgramFolder program;
        TempDir skin;
        Page p;
        p.chosenFile = makeSkin(skin, "name=Blue\r\nauthor=Ann\r\n");
        kok::test::MessageCatcher boxes;
        p.click("b_load_xp");
        QCOMPARE(boxes.texts, QStringList{kVersionWarning});
        QVERIFY(p("o_external_xp")->isChecked());
        QVERIFY(part<QLabel>(p.page, "t_warning")->isHidden());
        QCOMPARE(p.text("si_nt_name"), QString("Blue"));
        QCOMPARE(p.text("si_nt_author"), QString("автор = Ann"));
        QCOMPARE(p.text("si_nt_version"), QString("версия = 0.0"));
        QCOMPARE(p.text("si_xp_name"), QString("Extended"));
        // A click on the radio already chosen changes nothing: no warning,
        // and the loaded skin stays the choice.
        p.click("o_external_xp");
        QVERIFY(part<QLabel>(p.page, "t_warning")->isHidden());
        p.page.beforeSave();
        QVERIFY(p("o_external_xp")->isChecked());
        const std::string saved = p.save();
        QVERIFY(saved.find("XP_SkinExt=1\r\n") != std::string::npos);
        QVERIFY(saved.find("XP_SkinPath=" + skin.path().string() + "/\r\n") != std::string::npos);
        QVERIFY(!builtinDescriptionLeft());

        // Cancelling the chooser changes nothing.
        p.chosenFile.clear();
        p.click("b_load_98");
        QVERIFY(p("o_extended_98")->isChecked());
        QCOMPARE(boxes.texts.size(), 1);
    }

    // Only web and mail addresses are opened, by a click or by Enter or Space
    // on the link, which Tab reaches; "-", local paths, programs and other
    // schemes from a skin open nothing, and Tab passes them by. A reader
    // hears what a link holds in its description.
    void linksOpenOnlyWebAndMail() {
        struct Case {
            const char* line;
            const char* panel;
            QString opened; // empty: nothing
        };
        const Case cases[] = {
            {"web=https://skins.example.org/blue", "si_9X_web", "https://skins.example.org/blue"},
            {"web=file:///etc/passwd", "si_9X_web", ""},
            {"web=/usr/bin/xterm", "si_9X_web", ""},
            {"web=javascript:alert(1)", "si_98_web", ""},
            {"mail=ann@example.org", "si_98_mail", "mailto:ann@example.org"},
            {"mail=ann@example.org?attach=/etc/passwd&subject=Hi", "si_98_mail",
             "mailto:ann@example.org?subject=Hi"},
            {"name=x", "si_9X_mail", ""}, // shows "-"
        };
        for (const Case& c : cases) {
            kok::test::ProgramFolder program;
            TempDir skin;
            makeSkin(skin, std::string("support=09.0\r\n") + c.line + "\r\n");
            // The skin in use fills both columns.
            Page p("9X_SkinExt=1\r\n9X_SkinPath=" + skin.path().string() + "/\r\n");
            auto* panel = p.operator()<QLabel>(c.panel);
            QCOMPARE(bool(panel->focusPolicy() & Qt::TabFocus), !c.opened.isEmpty());
            const QString held = QString(c.line).section('=', 1, -1);
            QCOMPARE(panel->accessibleDescription(),
                     QString(c.panel).endsWith(QString(c.line).section('=', 0, 0)) ? held
                                                                                   : QString());
            p.click(c.panel);
            QTest::keyClick(panel, Qt::Key_Return);
            QTest::keyClick(panel, Qt::Key_Space);
            QTest::keyClick(panel, Qt::Key_A); // not a press
            const QStringList thrice{c.opened, c.opened, c.opened};
            QCOMPARE(p.opened, c.opened.isEmpty() ? QStringList{} : thrice);
        }
    }

    // The load button keeps the focus through its chooser, whatever it
    // answers: a second Enter loads again instead of pressing OK.
    void loadButtonKeepsTheFocus() {
        kok::test::ProgramFolder program;
        TempDir skin;
        Page p;
        QApplication::setActiveWindow(&p.page);
        QVERIFY(QTest::qWaitForWindowActive(&p.page));
        kok::test::MessageCatcher boxes;
        for (const QString& answer : {QString(), makeSkin(skin, "support=09.0\r\n")}) {
            p.chosenFile = answer;
            auto* load = p.operator()<QPushButton>("b_load_xp");
            load->setFocus();
            QTest::keyClick(load, Qt::Key_Space);
            QVERIFY2(load->hasFocus(), qPrintable(answer));
        }
        QVERIFY(p("o_external_xp")->isChecked());
    }

    // A skin's texts are shown as the characters they are, never as markup
    // (an <img> would make the page load the file it names); a long address
    // is cut in the middle, shown whole as its tooltip, and opens whole.
    void skinTextsShowAsTheyAreAndLongOnesAreCutInTheMiddle() {
        kok::test::ProgramFolder program;
        TempDir skin;
        const QString web = "https://skins.example.org/" + QString(60, 'x') + "/blue.html";
        const std::pair<const char*, QString> fields[] = {
            {"name", "<img src=\"/nonexistent/pipe\">"},
            {"version", "<b>2</b>"},
            {"author", "<i>Ann</i> &amp; co"},
            {"mail", "<a href=\"file:///etc\">ann@example.org</a>"},
            {"web", web},
        };
        std::string lines = "support=09.0\r\n";
        for (const auto& [key, value] : fields)
            lines += std::string(key) + "=" + value.toStdString() + "\r\n";
        makeSkin(skin, lines);
        Page p("XP_SkinExt=1\r\nXP_SkinPath=" + skin.path().string() + "/\r\n");
        for (const char* column : {"si_xp_", "si_nt_"}) {
            for (const auto& [key, value] : fields) {
                const QString name = QString(column) + key;
                auto* panel = part<QLabel>(p.page, qPrintable(name));
                QCOMPARE(panel->textFormat(), Qt::PlainText);
                const QString prefix = QString(key) == "version"  ? "версия = "
                                       : QString(key) == "author" ? "автор = "
                                                                  : "";
                QCOMPARE(kok::dialog::panelText(panel), prefix + value);
                // Cut or whole, the tooltip shows what the panel cannot.
                QTextDocument tip;
                tip.setHtml(panel->toolTip());
                QCOMPARE(tip.toPlainText(), panel->text() == prefix + value ? "" : prefix + value);
            }
        }
        auto* panel = part<QLabel>(p.page, "si_nt_web");
        // The start, an ellipsis ("..." in a font without "…"), the end.
        QStringList ends = panel->text().split(QChar(0x2026));
        if (ends.size() == 1) ends = panel->text().split("...");
        QVERIFY2(ends.size() == 2 && !ends[0].isEmpty() && !ends[1].isEmpty(),
                 qPrintable(panel->text()));
        QVERIFY(web.startsWith(ends[0]) && web.endsWith(ends[1]));
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <=
                panel->contentsRect().width());
        p.click("si_nt_web");
        QCOMPARE(p.opened, QStringList{web});
    }

    // A complete skin whose pictures cannot be worn is refused at once, with
    // the load error and the fall-back, not by a reset after the restart.
    void skinsWhosePicturesCannotBeWornAreRefused() {
        using kok::skin::test::maskBmp;
        const std::vector<std::string> dot(16, std::string(16, '.'));
        std::vector<std::string> oneBlack = dot;
        oneBlack[5][7] = '#';
        const std::vector<std::string> bar(4, std::string(16, '#')); // 16 x 4
        struct Case {
            const char* what;
            const char* file;
            std::vector<std::uint8_t> bytes; // empty: the picture as made
            bool accepted;
        };
        QByteArray png;
        {
            QBuffer out(&png);
            out.open(QIODevice::WriteOnly);
            QImage(16, 16, QImage::Format_RGB32).save(&out, "PNG");
        }
        const Case cases[] = {
            {"a complete skin", "", {}, true},
            {"a PNG named face.bmp", "face.bmp", {png.begin(), png.end()}, false},
            {"a PNG named timer_at.bmp", "timer_at.bmp", {png.begin(), png.end()}, false},
            {"a mask of 1 x 1", "mask.bmp", maskBmp({"#"}), false},
            {"an all-white mask", "mask.bmp", maskBmp(dot), false},
            {"a mask with one black pixel", "mask.bmp", maskBmp(oneBlack), false},
            {"a mask only 4 pixels high", "mask.bmp", maskBmp(bar), false},
            {"a 24-bit mask, worn rectangular", "mask.bmp", {}, true},
        };
        for (const Case& c : cases) {
            kok::test::ProgramFolder program;
            TempDir skin;
            Page p;
            p.chosenFile = makeSkin(skin, "support=09.0\r\nname=Odd\r\n");
            if (!c.bytes.empty())
                kok::test::writeBytes(skin / c.file, std::string(c.bytes.begin(), c.bytes.end()));
            else if (std::string_view(c.file) == "mask.bmp")
                QImage(16, 16, QImage::Format_RGB32)
                    .save(QString::fromStdString((skin / c.file).string()), "BMP");
            kok::test::MessageCatcher boxes;
            p.click("b_load_xp");
            QCOMPARE(boxes.texts, c.accepted ? QStringList{} : QStringList{kLoadError});
            QVERIFY2(p("o_external_xp")->isChecked() == c.accepted, c.what);
            QCOMPARE(p.text("si_nt_name"), c.accepted ? QString("Odd") : QString("Extended"));
        }
    }

    // OK restarts only when the running family's skin name changes; the keys
    // go out in their fixed order.
    void onlyTheRunningFamilysNewNameRestarts() {
        struct Case {
            bool xpRunning;
            const char* click;
            bool restart;
        };
        const Case cases[] = {
            {true, "o_default_98", false},   {true, "o_default_xp", true},
            {false, "o_default_xp", false},  {false, "o_default_98", true},
            {false, "o_extended_98", false}, // the same name as in use
        };
        for (const Case& c : cases) {
            kok::test::ProgramFolder program;
            RunningFamily family(c.xpRunning);
            Page p;
            p.click(c.click);
            QCOMPARE(p.page.changesRunningSkin(), c.restart);
        }

        kok::test::ProgramFolder program;
        Page p("XP_SkinName=def\r\n9X_SkinPath=D:\\Skins\\\r\n");
        QVERIFY(p("o_default_xp")->isChecked() && p("o_extended_98")->isChecked());
        QCOMPARE(p.text("si_xp_name"), QString("Default"));
        QCOMPARE(p.save(), std::string("[kOk:TD:Skins]\r\n9X_SkinExt=0\r\nXP_SkinExt=0\r\n"
                                       "XP_SkinName=def\r\n9X_SkinName=ext\r\n"
                                       "9X_SkinPath=D:\\Skins\\\r\nXP_SkinPath=C:\\\r\n"));
    }

    // An external choice without a loaded skin shows the flashing warning;
    // OK then falls back to the built-in skin chosen last and keeps that
    // family's name, so the external flag is not saved.
    void unloadedExternalChoiceFallsBackOnOk() {
        kok::test::ProgramFolder program;
        Page p;
        QSignalSpy attention(&p.page, &SkinsPage::attentionRequested);
        p.click("o_default_98");
        p.click("o_external_98");
        auto* warning = part<QLabel>(p.page, "t_warning");
        QVERIFY(!warning->isHidden());
        QCOMPARE(warning->text(),
                 QString("<<<   ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS серии 9X   >>>"));
        QCOMPARE(attention.count(), 1);
        p.page.flash(3);
        QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        p.page.flash(6);
        QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        p.page.beforeSave();
        QVERIFY(p("o_default_98")->isChecked());
        QVERIFY(warning->isHidden());
        QVERIFY(p.save().find("9X_SkinExt=0\r\nXP_SkinExt=0\r\n9X_SkinName=def\r\n") !=
                std::string::npos);
    }

    // The skin choice stays locked while the count runs; read-only disables
    // the count.
    void lockCountsDownThenOpensTheChoice() {
        kok::test::ProgramFolder program;
        SkinsPage page;
        auto* locker = part<QLabel>(page, "t_locker");
        page.lockerTick(3);
        QCOMPARE(locker->text(), QString("3"));
        for (const char* name : {"o_default_98", "o_extended_xp", "o_external_98", "b_load_xp"})
            QVERIFY(!part<QWidget>(page, name)->isEnabled());
        page.lockerTick(0);
        for (const char* name : {"o_default_98", "o_default_xp", "o_extended_98", "o_extended_xp",
                                 "o_external_98", "o_external_xp", "b_load_98", "b_load_xp"})
            QVERIFY2(part<QWidget>(page, name)->isEnabled(), name);
        QVERIFY(locker->isHidden() && !locker->isEnabled());

        SkinsPage readOnly;
        readOnly.enterReadOnly();
        QVERIFY(!part<QLabel>(readOnly, "t_locker")->isEnabled());
    }

    // Every control lies inside the page or its group, and no two overlap.
    void formControlsNeitherOverflowNorOverlap() {
        SkinsPage page;
        QCOMPARE(page.size(), QSize(460, 220));
        QList<QWidget*> parents = page.findChildren<QWidget*>();
        parents << &page;
        for (QWidget* parent : parents) {
            const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : children) {
                QVERIFY2(parent->rect().contains(a->geometry()), qPrintable(a->objectName()));
                for (QWidget* b : children)
                    QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " " + b->objectName()));
            }
        }
    }
};

KOK_QT_TEST(SkinsPageTest);
#include "skins_page_test.moc"
