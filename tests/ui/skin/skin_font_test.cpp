// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTest>

#include "skin/skin_font.h"
#include "support/qt_test_main.h"

using namespace kok::skin;

class SkinFontTest : public QObject {
    Q_OBJECT

  private slots:
    void heightsFollowThePlatformRule() {
        const QFont base;
        SkinFont f;
        f.height = -11; // character height: the em size
        QCOMPARE(skinFont(f, base).pixelSize(), 11);
        f.height = 0; // from the size: 8 points give -11
        QCOMPARE(skinFont(f, base).pixelSize(), 11);
        f.size = 120; // the default height: the base font's size stays
        QCOMPARE(skinFont(f, base).pointSizeF(), base.pointSizeF());
        f.height = 20; // cell height: ascent + descent come out at about 20
        const QFont cell = skinFont(f, base);
        QVERIFY(cell.pixelSize() < 20);
        QVERIFY(qAbs(QFontMetricsF(cell).height() - 20) <= 1.5);
    }

    void styleAndColour() {
        SkinFont f;
        f.bold = 0;
        QFont base;
        base.setItalic(true);
        QVERIFY(!skinFont(f, base).bold());
        QVERIFY(skinFont(f, base).italic()); // a zero "b" leaves the style alone
        f.bold = 5;
        QVERIFY(skinFont(f, base).bold());
        QCOMPARE(skinColor(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(skinColor(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(skinColor(0x123456), QColor(0x56, 0x34, 0x12));
    }

    void homePlatformFacesMapToAvailableOnes() {
        SkinFont f;
        f.face = "MS Sans Serif";
        QVERIFY(QFontInfo(skinFont(f, QFont())).family().startsWith("DejaVu Sans"));
        f.face = "Small Fonts";
        QVERIFY(QFontInfo(skinFont(f, QFont())).family().startsWith("DejaVu Sans"));
    }

    void labelReportsAChange() {
        QLabel label("00:00:00");
        SkinFont f;
        QVERIFY(applySkinFont(label, f));
        QVERIFY(!applySkinFont(label, f)); // the same again changes nothing
        f.color = 0xFF;
        QVERIFY(applySkinFont(label, f));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    }
};

KOK_QT_TEST(SkinFontTest);
#include "skin_font_test.moc"
