// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/restart.h"
#include "clock/clock_window.h"
#include "clock/image_button.h"
#include "dialog/skin_check.h"
#include "platform/file_io.h"
#include "settings/autostart.h"
#include "settings/keys.h"
#include "settings/settings_file.h"
#include "skin/builtin_skins.h"
#include "skin/form_shaper.h"
#include "skin/skin_loader.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"

using namespace kok;
using kok::clock::ImageButton;
using kok::test::inside;
namespace skins = kok::settings::skins;

namespace {

const char* const kPictures[] = {"face",        "mask",     "settings_of", "settings_on",
                                 "settings_dn", "close_of", "close_on",    "close_dn",
                                 "timer_of",    "timer_on", "timer_dn",    "timer_at"};

skin::SkinChoice chosen(bool xp) {
    return skin::readSkinChoice(settings::openSettings(), xp);
}

skin::FormShaper& shaper(QObject& w) {
    return *part<skin::FormShaper>(w, "f_shape");
}

// A built-in skin loads without writing a file: the program runs from a
// folder it cannot write to.
bool nothingWrittenButSettings() {
    for (const auto& e : std::filesystem::directory_iterator(platform::executableDir()))
        if (e.path().filename() != settings::kSettingsFileName) return false;
    return true;
}

} // namespace

// Each test runs in a fresh program folder.
class SkinLoaderTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        programFolder_ = std::make_unique<test::ProgramFolder>();
        dirHolder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir().isValid());
    }
    void cleanup() { programFolder_.reset(); }

    void emptySettingsGiveTheExtendedSkin() {
        kok::test::ComposedClock w("");
        QCOMPARE(w.size(), QSize(125, 28));
        QVERIFY(shaper(w).ShapeActive());
        QCOMPARE(w.mask().boundingRect(), QRect(0, 0, 124, 27));
        QVERIFY(!part<QLabel>(w, "t_timer")->isHidden());
        QVERIFY(part<QAction>(w, "m_system")->isVisible());
        QCOMPARE(part<QLabel>(w, "i_face")->geometry(), QRect(0, 0, 125, 27));
        QCOMPARE(part<QLabel>(w, "t_timer")->geometry(), QRect(43, 12, 43, 11));
        QCOMPARE(part<QLabel>(w, "t_time")->pos(), QPoint(25, 1));
        QCOMPARE(part<ImageButton>(w, "i_timer")->geometry(), QRect(80, 2, 11, 11));
        QCOMPARE(part<ImageButton>(w, "i_settings")->geometry(), QRect(92, 3, 19, 19));
        QCOMPARE(part<ImageButton>(w, "i_close")->geometry(), QRect(112, 2, 11, 11));
        QCOMPARE(inside(w).buttonPictures().timer_at.size(), QSize(11, 11));
        QCOMPARE(skin::loadSkin(chosen(settings::IsXpFamily()), shaper(w)).mask.size(),
                 QSize(125, 27));
        QVERIFY(inside(w).buttonPictures().settings_on.toImage() !=
                inside(w).buttonPictures().settings_of.toImage());
        // Fonts: em sizes from the negative heights, bold, white.
        QCOMPARE(part<QLabel>(w, "t_time")->font().pixelSize(), 11);
        QVERIFY(part<QLabel>(w, "t_time")->font().bold());
        QCOMPARE(part<QLabel>(w, "t_timer")->font().pixelSize(), 9);
        QCOMPARE(part<QLabel>(w, "t_time")->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
        // The time label took the size of its text in the new font.
        QCOMPARE(part<QLabel>(w, "t_time")->size(), part<QLabel>(w, "t_time")->sizeHint());
        QVERIFY(nothingWrittenButSettings());
    }

    void onlyTheRunningFamilysKeysCount() {
        const bool xp = settings::IsXpFamily();
        auto ini = settings::openSettings();
        ini.writeString(skins::kName, skins::familyKey(!xp, skins::kSkinName), "def");
        kok::test::ComposedClock w("");
        QCOMPARE(w.size(), QSize(125, 28));

        ini.writeString(skins::kName, skins::familyKey(xp, skins::kSkinName), "def");
        w.putSkinBack();
        QCOMPARE(w.size(), QSize(126, 18));
        QCOMPARE(part<QLabel>(w, "i_face")->size(), QSize(126, 18));
        QVERIFY(part<QLabel>(w, "t_timer")->isHidden()); // "type" 0
        QVERIFY(!part<QAction>(w, "m_system")->isVisible());
        QCOMPARE(part<ImageButton>(w, "i_timer")->geometry(), QRect(15, 0, 11, 18));
        QCOMPARE(inside(w).buttonPictures().close_dn.size(), QSize(16, 18));
        QVERIFY(nothingWrittenButSettings());
    }

    void unknownBuiltinNameFails() {
        kok::test::ComposedClock w("");
        const bool xp = settings::IsXpFamily();
        settings::openSettings().writeString(skins::kName, skins::familyKey(xp, skins::kSkinName),
                                             "blue");
        QVERIFY_THROWS_EXCEPTION(skin::SkinLoadError, skin::loadSkin(chosen(xp), shaper(w)));
    }

    void externalSkinWithoutDescriptionTakesTheDefaults() {
        kok::test::ComposedClock w("");
        writeExternalSkin({});
        w.putSkinBack();
        QCOMPARE(w.size(), QSize(250, 250));
        QCOMPARE(part<ImageButton>(w, "i_settings")->size(), QSize(0, 0));
        QCOMPARE(part<ImageButton>(w, "i_close")->size(), QSize(0, 0));
        QCOMPARE(part<ImageButton>(w, "i_timer")->size(), QSize(0, 0));
        QVERIFY(part<QLabel>(w, "t_timer")->isHidden());
        QCOMPARE(shaper(w).Mask().PicFile(), dir().filePath("mask.bmp"));
    }

    void externalSkinWithItsDescription() {
        kok::test::ComposedClock w("");
        writeExternalSkin({});
        QFile ksf(dir().filePath("skin.ksf"));
        QVERIFY(ksf.open(QIODevice::WriteOnly));
        ksf.write("[info]\r\ntype=1\r\n[rect.form]\r\nw=$64\r\nh=30\r\n[rect.close]\r\nl=1\r\n"
                  "t=2\r\nw=3\r\nh=4\r\n[rect.timer]\r\nc=$FF\r\n");
        ksf.close();
        w.putSkinBack();
        QCOMPARE(w.size(), QSize(100, 30));
        QCOMPARE(part<ImageButton>(w, "i_close")->geometry(), QRect(1, 2, 3, 4));
        QVERIFY(!part<QLabel>(w, "t_timer")->isHidden());
        QCOMPARE(part<QLabel>(w, "t_timer")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QVERIFY(QFile::exists(dir().filePath("skin.ksf"))); // an external one stays
    }

    // Sizes beyond any screen make the skin a broken one (the clock then
    // falls back to a built-in skin); the largest allowed still loads.
    void externalSkinWithSizesBeyondAnyScreenFails_data() {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<bool>("loads");
        QTest::newRow("widest form") << QByteArray("[rect.form]\r\nw=4096\r\nh=-4096") << true;
        QTest::newRow("form INT_MAX wide")
            << QByteArray("[rect.form]\r\nw=2147483647\r\nh=30") << false;
        QTest::newRow("form one pixel too high") << QByteArray("[rect.form]\r\nh=4097") << false;
        QTest::newRow("close button at INT_MAX")
            << QByteArray("[rect.close]\r\nl=2147483647\r\nw=1\r\nh=1") << false;
        QTest::newRow("time label above INT_MIN")
            << QByteArray("[rect.time]\r\nt=-2147483648") << false;
        QTest::newRow("timer label too wide") << QByteArray("[rect.timer]\r\nw=$7FFFFFFF") << false;
        QTest::newRow("stopwatch area too high") << QByteArray("[rect.ding]\r\nh=100000") << false;
        QTest::newRow("settings button too far left")
            << QByteArray("[rect.settings]\r\nl=-5000") << false;
        QTest::newRow("time font taller than any screen")
            << QByteArray("[rect.time]\r\nz=-1000000") << false;
    }
    void externalSkinWithSizesBeyondAnyScreenFails() {
        QFETCH(QByteArray, description);
        QFETCH(bool, loads);
        clock::ClockWindow w("");
        writeExternalSkin({});
        QFile ksf(dir().filePath("skin.ksf"));
        QVERIFY(ksf.open(QIODevice::WriteOnly));
        ksf.write(description + "\r\n");
        ksf.close();
        const auto load = [&] { skin::loadSkin(chosen(settings::IsXpFamily()), shaper(w)); };
        if (loads)
            load();
        else
            QVERIFY_THROWS_EXCEPTION(skin::SkinLoadError, load());
        QCOMPARE(dialog::isWearableSkin((dir().path() + "/").toStdString()), loads);
    }

    // A missing face fails, and so does a picture of another format under a
    // bitmap's name: skin pictures are Windows bitmaps only.
    void externalSkinWithoutABitmapFaceFails() {
        kok::test::ComposedClock w("");
        writeExternalSkin({"face"});
        QVERIFY_THROWS_EXCEPTION(skin::SkinLoadError,
                                 skin::loadSkin(chosen(settings::IsXpFamily()), shaper(w)));
        QImage picture(126, 18, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir().filePath("face.bmp"), "PNG"));
        QVERIFY_THROWS_EXCEPTION(skin::SkinLoadError,
                                 skin::loadSkin(chosen(settings::IsXpFamily()), shaper(w)));
    }

    void externalSkinWithoutPathFails() {
        kok::test::ComposedClock w("");
        const bool xp = settings::IsXpFamily();
        settings::openSettings().writeInteger(skins::kName, skins::familyKey(xp, skins::kSkinExt),
                                              1);
        QVERIFY_THROWS_EXCEPTION(skin::SkinLoadError, skin::loadSkin(chosen(xp), shaper(w)));
    }

    // Temporary files an earlier version left behind, even read-only, play
    // no part: the skin loads and the choice stays, with no message.
    void formerTemporariesPlayNoPart() {
        const bool xp = settings::IsXpFamily();
        settings::openSettings().writeString(skins::kName, skins::familyKey(xp, skins::kSkinName),
                                             "def");
        const auto before = platform::readWholeFile(settings::settingsFilePath());
        for (std::string_view name :
             {settings::kMaskTempFileName, settings::kSkinDescriptionTempFileName}) {
            const auto path = settings::programFilePath(name);
            platform::writeFileAtomically(path, "left over");
            std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        }
        test::MessageCatcher messages;
        kok::test::ComposedClock w("");
        QCOMPARE(w.size(), QSize(126, 18)); // the "def" skin
        QCOMPARE(messages.texts, QStringList());
        QVERIFY(!app::terminationRequested());
        QCOMPARE(platform::readWholeFile(settings::settingsFilePath()), before);
    }

    void maskBesideTheProgramStandsInForAMissingOne() {
        kok::test::ComposedClock w("");
        shaper(w).setShapeActive(false);
        writeExternalSkin({"mask"});
        const auto beside = settings::programFilePath("mask.bmp");
        const QByteArray mask = *skin::builtinSkinResource("def_mask");
        platform::writeFileAtomically(beside,
                                      std::string_view(mask.constData(), std::size_t(mask.size())));
        w.putSkinBack();
        QCOMPARE(shaper(w).Mask().PicFile(), QString::fromStdString(beside.string()));
        QVERIFY(shaper(w).ShapeActive());
    }

  private:
    // The twelve pictures (less the ones named) in the temporary folder, and
    // the settings pointing at it.
    void writeExternalSkin(const QStringList& leaveOut) {
        for (const char* name : kPictures) {
            if (leaveOut.contains(name)) continue;
            QFile f(dir().filePath(QString(name) + ".bmp"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(*skin::builtinSkinResource(std::string("def_") + name));
        }
        const bool xp = settings::IsXpFamily();
        auto ini = settings::openSettings();
        ini.writeInteger(skins::kName, skins::familyKey(xp, skins::kSkinExt), 1);
        ini.writeString(skins::kName, skins::familyKey(xp, skins::kSkinPath),
                        (dir().path() + "/").toStdString());
    }

    const QTemporaryDir& dir() const { return *dirHolder_; }

    std::unique_ptr<test::ProgramFolder> programFolder_;
    std::unique_ptr<QTemporaryDir> dirHolder_;
};

KOK_QT_TEST(SkinLoaderTest);
#include "skin_loader_test.moc"
