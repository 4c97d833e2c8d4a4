// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's face and indicator labels draw exactly what plain labels with
// the same settings draw, over an opaque face and one with transparent pixels,
// with a second indicator beside the first or over it.
#include <QPainter>
#include <QtTest>

#include "clock/face_label.h"
#include "clock/indicator_label.h"
#include "support/qt_test_main.h"

using kok::clock::FaceLabel;
using kok::clock::IndicatorLabel;

namespace {

struct Scene {
    QWidget window;
    FaceLabel* ourFace = nullptr;
    IndicatorLabel* ourText = nullptr;
    IndicatorLabel* ourSecond = nullptr; // a second indicator, above the first

    Scene(bool ours, bool withAlpha, const QString& text, QRect place, QRect second) {
        window.resize(100, 40);
        QPalette back = window.palette();
        back.setColor(QPalette::Window, Qt::magenta);
        back.setColor(QPalette::WindowText, QColor(230, 240, 250));
        window.setPalette(back);
        window.setAutoFillBackground(true);
        QImage image(90, 30, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(withAlpha ? Qt::transparent : QColor(40, 90, 30));
        QPainter(&image).fillRect(0, 0, 60, 20, QColor(200, 180, 20));
        const QPixmap picture = QPixmap::fromImage(image);
        QLabel* face = ours ? ourFace = new FaceLabel(&window) : new QLabel(&window);
        face->setGeometry(0, 0, 90, 30);
        if (ours)
            ourFace->setFace(picture);
        else
            face->setPixmap(picture);
        const auto indicator = [&](IndicatorLabel*& our, QRect at, const QString& shown) {
            QLabel* label = ours ? our = new IndicatorLabel(&window) : new QLabel(&window);
            label->setTextFormat(Qt::PlainText);
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(at);
            label->setText(shown);
        };
        indicator(ourText, place, text);
        if (!second.isNull()) indicator(ourSecond, second, "01:12:43");
        if (!ours) return;
        for (IndicatorLabel* l : {ourText, ourSecond})
            if (l != nullptr) l->setFaceUnder(ourFace);
    }
};

} // namespace

class IndicatorPaintTest : public QObject {
    Q_OBJECT

  private slots:
    void drawnAsPlainLabels_data() {
        QTest::addColumn<bool>("withAlpha");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("faceDrawnByText");
        QTest::addColumn<QRect>("second");
        QTest::addColumn<bool>("faceDrawnBySecond");
        const QRect inside(5, 4, 85, 24), below(20, 17, 60, 12);
        QTest::newRow("opaque face") << false << "12:34:56" << inside << true << QRect() << false;
        QTest::newRow("face with holes")
            << true << "08:00:09" << inside << false << QRect() << false;
        QTest::newRow("no text") << false << "" << inside << true << QRect() << false;
        QTest::newRow("beyond the face")
            << false << "1:02" << QRect(30, 10, 70, 28) << false << QRect() << false;
        QTest::newRow("second beside the first")
            << false << "12:34:56" << QRect(5, 1, 85, 15) << true << below << true;
        QTest::newRow("second over the first")
            << false << "12:34:56" << inside << true << below << false;
    }
    void drawnAsPlainLabels() {
        QFETCH(bool, withAlpha);
        QFETCH(QString, text);
        QFETCH(QRect, place);
        QFETCH(bool, faceDrawnByText);
        QFETCH(QRect, second);
        QFETCH(bool, faceDrawnBySecond);
        Scene plain(false, withAlpha, text, place, second),
            ours(true, withAlpha, text, place, second);
        // Only a face with no transparent pixels spares the window's background,
        // and only an indicator it covers, over no other indicator, draws its
        // part of the face.
        QCOMPARE(ours.ourFace->testAttribute(Qt::WA_OpaquePaintEvent), !withAlpha);
        QCOMPARE(ours.ourText->testAttribute(Qt::WA_OpaquePaintEvent), faceDrawnByText);
        if (ours.ourSecond != nullptr)
            QCOMPARE(ours.ourSecond->testAttribute(Qt::WA_OpaquePaintEvent), faceDrawnBySecond);
        QCOMPARE(ours.window.grab().toImage(), plain.window.grab().toImage());
        // A face that no longer fills its label is drawn as a label draws it.
        for (Scene* s : {&plain, &ours})
            s->window.findChildren<QLabel*>().constFirst()->resize(95, 35);
        for (IndicatorLabel* l : {ours.ourText, ours.ourSecond})
            if (l != nullptr) l->setFaceUnder(ours.ourFace);
        QCOMPARE(ours.window.grab().toImage(), plain.window.grab().toImage());
        QVERIFY(!ours.ourFace->testAttribute(Qt::WA_OpaquePaintEvent));
    }
};

KOK_QT_TEST(IndicatorPaintTest);
#include "indicator_paint_test.moc"
