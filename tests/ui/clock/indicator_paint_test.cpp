// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's own face and indicator labels draw exactly what plain labels
// with the same settings draw, over an opaque face and over one with
// transparent pixels.
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include "clock/face_label.h"
#include "clock/indicator_label.h"
#include "support/qt_test_main.h"

namespace {

QPixmap facePicture(bool withAlpha) {
    QImage image(90, 30, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(withAlpha ? Qt::transparent : QColor(40, 90, 30));
    QPainter p(&image);
    p.fillRect(0, 0, 60, 30, QColor(200, 180, 20));
    p.fillRect(20, 8, 50, 14, QColor(10, 10, 120));
    return QPixmap::fromImage(image);
}

struct Scene {
    QWidget window;
    QLabel* face;
    QLabel* text;
};

void build(Scene& s, bool ours, bool withAlpha, const QString& text, Qt::Alignment align,
           QRect place) {
    s.window.resize(100, 40);
    QPalette back = s.window.palette();
    back.setColor(QPalette::Window, QColor(250, 0, 250));
    s.window.setPalette(back);
    s.window.setAutoFillBackground(true);
    const QPixmap picture = facePicture(withAlpha);
    s.face = ours ? new kok::clock::FaceLabel(&s.window) : new QLabel(&s.window);
    s.face->setGeometry(0, 0, picture.width(), picture.height());
    if (ours)
        static_cast<kok::clock::FaceLabel*>(s.face)->setFace(picture);
    else
        s.face->setPixmap(picture);
    s.text = ours ? new kok::clock::IndicatorLabel(&s.window) : new QLabel(&s.window);
    s.text->setTextFormat(Qt::PlainText);
    s.text->setAttribute(Qt::WA_TranslucentBackground);
    s.text->setAlignment(align);
    QFont font = s.text->font();
    font.setPixelSize(15);
    font.setBold(true);
    s.text->setFont(font);
    QPalette ink = s.text->palette();
    ink.setColor(QPalette::WindowText, QColor(230, 240, 250));
    s.text->setPalette(ink);
    s.text->setGeometry(place);
    s.text->setText(text);
    if (ours)
        static_cast<kok::clock::IndicatorLabel*>(s.text)->setFaceUnder(
            static_cast<kok::clock::FaceLabel*>(s.face));
}

} // namespace

class IndicatorPaintTest : public QObject {
    Q_OBJECT

  private slots:
    void drawnAsPlainLabels_data() {
        QTest::addColumn<bool>("withAlpha");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("align");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("faceDrawnByText");
        const QRect inside(5, 4, 85, 24);
        const QRect across(30, 10, 70, 28);
        QTest::newRow("opaque face, time")
            << false << "12:34:56" << int(Qt::AlignCenter) << inside << true;
        QTest::newRow("face with holes, time")
            << true << "08:00:09" << int(Qt::AlignCenter) << inside << false;
        QTest::newRow("right, idle text")
            << false << "--:--:--" << int(Qt::AlignRight) << inside << true;
        QTest::newRow("no text, opaque face")
            << false << "" << int(Qt::AlignLeft) << inside << true;
        QTest::newRow("beyond the face")
            << false << "1:02" << int(Qt::AlignLeft) << across << false;
        QTest::newRow("no text, holes") << true << "" << int(Qt::AlignLeft) << inside << false;
    }
    void drawnAsPlainLabels() {
        QFETCH(bool, withAlpha);
        QFETCH(QString, text);
        QFETCH(int, align);
        QFETCH(QRect, place);
        QFETCH(bool, faceDrawnByText);
        Scene plain, ours;
        build(plain, false, withAlpha, text, Qt::Alignment(align), place);
        build(ours, true, withAlpha, text, Qt::Alignment(align), place);
        // Only a face with no transparent pixels spares the window's background,
        // and only an indicator it covers draws its part of the face.
        QCOMPARE(ours.face->testAttribute(Qt::WA_OpaquePaintEvent), !withAlpha);
        QCOMPARE(ours.text->testAttribute(Qt::WA_OpaquePaintEvent), faceDrawnByText);
        QCOMPARE(ours.window.grab().toImage(), plain.window.grab().toImage());
        // A face that no longer fills its label is drawn as a label draws it.
        ours.face->resize(95, 35);
        plain.face->resize(95, 35);
        static_cast<kok::clock::IndicatorLabel*>(ours.text)->setFaceUnder(
            static_cast<kok::clock::FaceLabel*>(ours.face));
        QCOMPARE(ours.window.grab().toImage(), plain.window.grab().toImage());
        QVERIFY(!ours.face->testAttribute(Qt::WA_OpaquePaintEvent));
    }
};

KOK_QT_TEST(IndicatorPaintTest);
#include "indicator_paint_test.moc"
