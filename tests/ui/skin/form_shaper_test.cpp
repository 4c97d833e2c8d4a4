// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBitmap>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <random>

#include "platform/paths.h"
#include "skin/builtin_skins.h"
#include "skin/form_shaper.h"
#include "skin/mask_bitmap.h"
#include "support/message_catcher.h"
#include "support/qt_test_main.h"
#include "unit/skin/mask_test_bitmap.h"

using namespace kok::skin;
namespace mask_test = kok::skin::test;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray bytesOf(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

// The shape the plain rule gives: one rectangle per run, joined one by one.
QRegion unionPerRun(const std::vector<std::string>& rows) {
    QRegion r;
    for (int y = 0; y < int(rows.size()); ++y) {
        const std::string& row = rows[std::size_t(y)];
        int start = -1;
        for (int x = 0; x <= int(row.size()); ++x) {
            const bool black = x < int(row.size()) && row[std::size_t(x)] == '#';
            if (black && start < 0) start = x;
            if (!black && start >= 0) {
                r += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return r;
}

std::vector<std::string> randomRows(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::string> rows(std::size_t(h), std::string(std::size_t(w), '.'));
    for (auto& row : rows)
        for (auto& c : row)
            c = rng() % 3 ? '#' : '.';
    rows[3] = rows[2]; // a band
    return rows;
}

} // namespace

class FormShaperTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void regionEqualsOneRectanglePerRun() {
        const auto rows = randomRows(77, 40, 3);
        QWidget form;
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(writeFile(dir_, "m.bmp", bytesOf(mask_test::maskBmp(rows))));
        shaper.setShapeActive(true);
        QVERIFY(shaper.ShapeActive());
        QVERIFY((shaper.region() ^ unionPerRun(rows)).isEmpty());
        QVERIFY((form.mask() ^ unionPerRun(rows)).isEmpty());
        QCOMPARE(form.size(), QSize(77, 40)); // AutoSize
        // Qt's own reading of the same bitmap agrees too.
        QBitmap bitmap;
        QVERIFY(bitmap.load(dir_.filePath("m.bmp")));
        QVERIFY((shaper.region() ^ QRegion(bitmap)).isEmpty());
    }

    void regionIsBuiltOnceAndReused() {
        QWidget form;
        FormShaper shaper(&form);
        const QString first = writeFile(dir_, "a.bmp", bytesOf(mask_test::maskBmp({"##.", "#.."})));
        shaper.Mask().setPicFile(first);
        shaper.setShapeActive(true);
        shaper.setShapeActive(true);
        shaper.setShapeActive(false);
        QVERIFY(form.mask().isEmpty());
        QVERIFY(!shaper.ShapeActive());
        // A replaced mask does not change the cached region.
        shaper.Mask().setPicFile(
            writeFile(dir_, "b.bmp", bytesOf(mask_test::maskBmp({"###", "###"}))));
        shaper.setShapeActive(true);
        QCOMPARE(shaper.regionBuilds(), 1);
        QVERIFY((form.mask() ^ unionPerRun({"##.", "#.."})).isEmpty());
    }

    void autoSizeGivesTheMaskSize() {
        QWidget form;
        form.resize(300, 300);
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(writeFile(dir_, "ext.bmp", *builtinSkinResource("ext_mask")));
        shaper.setShapeActive(true);
        QCOMPARE(form.size(), QSize(125, 27));
        QCOMPARE(form.mask().boundingRect(), QRect(0, 0, 124, 27));

        QWidget other;
        other.resize(300, 300);
        FormShaper fixed(&other);
        fixed.setAutoSize(false);
        fixed.Mask().setPicFile(dir_.filePath("ext.bmp"));
        fixed.setShapeActive(true);
        QCOMPARE(other.size(), QSize(300, 300));
    }

    void notAOneBitMaskIsRefusedWithAMessage() {
        QWidget form;
        form.resize(40, 30);
        FormShaper shaper(&form);
        QImage colour(8, 8, QImage::Format_RGB888);
        colour.fill(Qt::black);
        QVERIFY(colour.save(dir_.filePath("c.bmp"), "BMP"));
        shaper.Mask().setPicFile(dir_.filePath("c.bmp"));
        kok::test::MessageCatcher messages;
        shaper.setShapeActive(true);
        QCOMPARE(messages.texts, QStringList{kMaskInvalidMessage});
        QCOMPARE(messages.captions, QStringList{QString()});
        QVERIFY(!shaper.ShapeActive());
        QVERIFY(form.mask().isEmpty());
        QCOMPARE(form.size(), QSize(40, 30));
        // Shown as the clock is after loading its skin: the refusal is not said
        // again (a message would come up, and be answered, within show()).
        form.show();
        QCOMPARE(messages.texts, QStringList{kMaskInvalidMessage});
        QVERIFY(!shaper.ShapeActive());
    }

    void missingMaskFileIsAnErrorForTheCaller() {
        QWidget form;
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(dir_.filePath("nowhere-koktd-test.bmp"));
        QVERIFY_THROWS_EXCEPTION(MaskFileError, shaper.setShapeActive(true));
        QVERIFY(!shaper.ShapeActive());
    }

    // More rectangles than the X server keeps: the window stays rectangular.
    void tooDetailedShapeIsRefused() {
        std::vector<std::string> rows;
        for (int y = 0; y < 200; ++y) {
            std::string row;
            for (int x = 0; x < 400; ++x)
                row += (x + y) % 2 ? '#' : '.';
            rows.push_back(row);
        }
        QWidget form;
        form.resize(50, 50);
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(writeFile(dir_, "chess.bmp", bytesOf(mask_test::maskBmp(rows))));
        kok::test::MessageCatcher messages;
        shaper.setShapeActive(true);
        QVERIFY(!shaper.ShapeActive());
        QVERIFY(form.mask().isEmpty());
        QCOMPARE(form.size(), QSize(50, 50));
        QVERIFY(messages.texts.isEmpty());
    }

    void allWhiteMaskLeavesNothingVisible() {
        QWidget form;
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(writeFile(
            dir_, "white.bmp", bytesOf(mask_test::maskBmp(std::vector<std::string>(4, "......")))));
        shaper.setShapeActive(true);
        QVERIFY(shaper.ShapeActive());
        QVERIFY(shaper.region().isEmpty());
        QVERIFY(!form.mask().isEmpty()); // an empty mask would mean "no shape"
        QVERIFY(!form.mask().intersects(form.rect()));
    }

    void picFileFallsBackToTheProgramFolder() {
        ShaperMask mask;
        mask.setResName("x");
        mask.setPicFile("/no/such/folder/skin-mask.bmp");
        const QString beside = QDir(QString::fromStdString(kok::platform::executableDir().string()))
                                   .filePath("skin-mask.bmp");
        QCOMPARE(mask.PicFile(), beside);
        QVERIFY(mask.ResName().isEmpty());
        const QString real = writeFile(dir_, "real.bmp", "x");
        mask.setPicFile(real);
        QCOMPARE(mask.PicFile(), real);
        mask.setResName("abc");
        QCOMPARE(mask.ResName(), QString("ABC"));
        QVERIFY(mask.PicFile().isEmpty());
    }

    void masksFromResources() {
        QWidget form;
        FormShaper shaper(&form);
        shaper.Mask().setResType("skins"); // the built-in pictures' folder
        shaper.Mask().setResName("def_mask");
        shaper.setShapeActive(true);
        QVERIFY(shaper.ShapeActive());
        QCOMPARE(form.size(), QSize(126, 18));

        kok::test::MessageCatcher messages;
        QWidget other;
        FormShaper bad(&other);
        bad.Mask().setResType("bitmap");
        bad.Mask().setResName("def_mask");
        bad.setShapeActive(true);
        bad.Mask().setResType("skins");
        bad.Mask().setResName("blue_mask");
        bad.setShapeActive(true);
        bad.Mask().setResType("");
        bad.setShapeActive(true);
        QCOMPARE(messages.texts,
                 (QStringList{kMaskResTypeBitmap, kMaskResNotFound, kMaskResTypeMissing}));
        QCOMPARE(messages.captions, QStringList(3, kShaperFatalCaption));
        QVERIFY(!bad.ShapeActive());
    }

    void ownerMustBeAWindow() {
        kok::test::MessageCatcher messages;
        QObject notAForm;
        FormShaper shaper(&notAForm);
        shaper.Mask().setPicFile(dir_.filePath("x.bmp"));
        shaper.setShapeActive(true);
        QVERIFY(!shaper.ShapeActive());
        QCOMPARE(messages.texts, QStringList{kShaperOwnerMessage});
        QCOMPARE(messages.captions, QStringList{kShaperFatalCaption});
    }

    void firstShowActivates() {
        QWidget form;
        FormShaper shaper(&form);
        shaper.Mask().setPicFile(
            writeFile(dir_, "s.bmp", bytesOf(mask_test::maskBmp({"#.", "##"}))));
        QVERIFY(!shaper.ShapeActive());
        form.show();
        QVERIFY(shaper.ShapeActive());
        QCOMPARE(form.size(), QSize(2, 2));
    }

  private:
    QTemporaryDir dir_;
};

KOK_QT_TEST(FormShaperTest);
#include "form_shaper_test.moc"
