// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "skin/form_shaper.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"

using kok::clock::ClockWindow;
using kok::signal::MessageBar;
using kok::test::inside;

namespace {

void writeSettingsText(const std::string& text) {
    kok::test::writeBytes(kok::settings::settingsFilePath(), text);
}

QColor background(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}
QColor text(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

// The names of what announced itself as an alert.
QStringList alerts;
void keepAlerts(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Alert)
        alerts << event->accessibleInterface()->text(QAccessible::Name);
}

} // namespace

class MessageBarTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { std::filesystem::remove_all(kok::settings::settingsFilePath()); }
    void cleanup() { std::filesystem::remove_all(kok::settings::settingsFilePath()); }

    void placementAndText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("kind"); // top, centre, full
        QTest::addColumn<int>("height");   // top: strip height; centre: growth
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flashMs"); // the message page's range, 100..1000
        QTest::newRow("nothing set: top strip of 18") << "" << 3 << "top" << 18 << "Wake up" << 250;
        QTest::newRow("top with a height")
            << "atTop=1\r\nHeight=30" << 0 << "top" << 30 << ">>>  ПРИШЛО ВРЕМЯ  <<<" << 250;
        QTest::newRow("top wins over centre")
            << "atCenter=1\r\natTop=1" << 5 << "top" << 18 << ">>>  ПРИШЛО ВРЕМЯ  <<<" << 250;
        QTest::newRow("centre grows 250 by default")
            << "atCenter=1" << 3 << "centre" << 250 << "Wake up" << 250;
        QTest::newRow("centre with an odd height")
            << "atCenter=1\r\nHeight=41" << 3 << "centre" << 40 << "Wake up" << 250;
        QTest::newRow("top without height: 18")
            << "Height=0" << 3 << "top" << 18 << "Wake up" << 250;
        QTest::newRow("top too high: 250")
            << "Height=100000" << 3 << "top" << 250 << "Wake up" << 250;
        QTest::newRow("centre growing less than none: 18")
            << "atCenter=1\r\nHeight=-2147483648" << 3 << "centre" << 18 << "Wake up" << 250;
        QTest::newRow("centre growing off the screen: 250")
            << "atCenter=1\r\nHeight=2147483647" << 3 << "centre" << 250 << "Wake up" << 250;
        QTest::newRow("flashing 1000 times a second: 100")
            << "Frequency=1" << 3 << "top" << 18 << "Wake up" << 100;
        QTest::newRow("flashing backwards: 100")
            << "Frequency=-2147483648" << 3 << "top" << 18 << "Wake up" << 100;
        QTest::newRow("flashing once a day: 1000")
            << "atCenter=1\r\nFrequency=86400000" << 3 << "centre" << 250 << "Wake up" << 1000;
        QTest::newRow("flashing within the range")
            << "Frequency=700" << 3 << "top" << 18 << "Wake up" << 700;
        QTest::newRow("full wins over centre")
            << "atCenter=1\r\natFull=1" << 12 << "full" << 0 << "Time is up" << 250;
    }
    void placementAndText() {
        QFETCH(QString, message);
        QFETCH(int, event);
        QFETCH(QString, kind);
        QFETCH(int, height);
        QFETCH(QString, text);
        QFETCH(int, flashMs);
        writeSettingsText("[kOk:TD:Alarms]\r\n3_Message=Wake up\r\n"
                          "[kOk:TD:Timer]\r\nMessage=Time is up\r\n"
                          "[kOk:TD:Message]\r\n" +
                          message.toStdString() + "\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int oldHeight = w.height();
        QElapsedTimer elapsed;
        elapsed.start();
        inside(w).messageBar().ShowMessageBar(event);
        const qint64 ms = elapsed.elapsed();

        QRect expected(0, 0, screen.width(), height);
        if (kind == "centre")
            expected =
                QRect(0, screen.height() / 2 - height / 2, screen.width(), oldHeight + height);
        if (kind == "full") {
            expected = QRect(QPoint(0, 0), screen.size());
            qInfo("full-screen bar on %dx%d placed in %lld ms", screen.width(), screen.height(),
                  ms);
        }
        QCOMPARE(w.geometry(), expected);
        auto* panel = part<QLabel>(w, "p_messager");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), w.rect());
        QCOMPARE(panel->text(), text);
        QCOMPARE(panel->frameStyle() == QFrame::NoFrame, kind == "full");
        QCOMPARE(part<QTimer>(w, "tt_flash")->isActive(), kind != "full");
        if (kind != "full") QCOMPARE(part<QTimer>(w, "tt_flash")->interval(), flashMs);
        QVERIFY(!part<kok::skin::FormShaper>(w, "f_shape")->ShapeActive());
        QVERIFY(!inside(w).menuAutoPopup());
    }

    // A screen reader hears the message when the bar appears. Qt passes
    // accessibility events on only while assistive technology listens, which
    // the offscreen platform never has: ui_signals_a11y runs this on X with
    // the accessibility bus switched on.
    void appearanceIsAnnounced() {
        if (QGuiApplication::platformName() == "offscreen") QSKIP("runs as ui_signals_a11y");
        writeSettingsText("[kOk:TD:Alarms]\r\n3_Message=Wake up\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        alerts.clear();
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(keepAlerts);
        inside(w).messageBar().ShowMessageBar(3);
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(alerts, QStringList{"Wake up"});
    }

    // Each tick swaps background and text; the phase carries over to the next bar.
    void flashSwapsTheColours() {
        writeSettingsText("[kOk:TD:Message]\r\nColorBG=255\r\nColorFG=65280\r\nFrequency=100\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        MessageBar& bar = inside(w).messageBar();
        bar.ShowMessageBar(0);
        auto* panel = part<QLabel>(w, "p_messager");
        const QColor red(255, 0, 0), green(0, 255, 0);
        QCOMPARE(part<QTimer>(w, "tt_flash")->interval(), 100);
        QCOMPARE(background(panel), red);
        QCOMPARE(text(panel), green);
        bar.tt_flashTimer();
        QCOMPARE(background(panel), green);
        QCOMPARE(text(panel), red);

        bar.armDismissal();
        bar.p_messagerClick();
        bar.ShowMessageBar(0);
        QCOMPARE(background(panel), red);
        bar.tt_flashTimer(); // the phase left by the first bar: back to the first colours
        QCOMPARE(background(panel), red);
        QCOMPARE(text(panel), green);
        bar.tt_flashTimer();
        QCOMPARE(background(panel), green);
    }

    void dismissalOnlyWhileShowing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("click") << "click";
    }
    void dismissalOnlyWhileShowing() {
        QFETCH(QString, how);
        writeSettingsText("[kOk:TD]\r\nPosX=40\r\nPosY=30\r\n");
        kok::test::ComposedClock w(QString{});
        const QSize skinSize = w.size();
        w.show();
        QCOMPARE(w.pos(), QPoint(40, 30));
        kok::dialog::SettingsDialog dialog(w);
        for (int i = 0; i < 6; ++i) // the skin-choice lock keeps OK off at first
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        w.setSettingsDialog(&dialog);
        auto* ok = part<QPushButton>(dialog, "c_ok");
        auto* cancel = part<QPushButton>(dialog, "c_cancel");
        QVERIFY(ok->isEnabled());
        MessageBar& bar = inside(w).messageBar();
        QSignalSpy dismissed(&bar, &MessageBar::dismissed);
        auto* panel = part<QLabel>(w, "p_messager");
        const auto dismiss = [&] {
            if (how == "click") {
                QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, 5));
                return;
            }
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, how == "esc" ? Qt::Key_Escape : Qt::Key_Return);
        };

        dismiss(); // no bar: nothing happens
        QCOMPARE(dismissed.count(), 0);
        bar.ShowMessageBar(0);
        QVERIFY(!ok->isEnabled());
        QVERIFY(!cancel->isEnabled());
        dismiss(); // the bar shows, but its actions still run
        QCOMPARE(dismissed.count(), 0);
        QVERIFY(panel->isVisible());

        bar.armDismissal();
        QVERIFY(bar.showing());
        dismiss();
        QCOMPARE(dismissed.count(), 1);
        QVERIFY(!bar.showing());
        QVERIFY(!panel->isVisible());
        QVERIFY(!part<QTimer>(w, "tt_flash")->isActive());
        QVERIFY(part<kok::skin::FormShaper>(w, "f_shape")->ShapeActive());
        QCOMPARE(w.size(), skinSize);
        QCOMPARE(w.pos(), QPoint(40, 30));
        QVERIFY(w.isVisible());
        QVERIFY(inside(w).menuAutoPopup());
        QVERIFY(ok->isEnabled());
        QVERIFY(cancel->isEnabled());

        dismiss(); // dismissed already
        QCOMPARE(dismissed.count(), 1);
    }

    // Markup in the message is shown as typed: no formatting, no picture loaded.
    void messageIsPlainText() {
        kok::test::TempDir dir;
        QImage red(40, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(QString::fromStdString((dir / "red.png").string())));
        const QString message = "<b>x</b><font color=#ff0000>RED</font><img src=\"" +
                                QString::fromStdString((dir / "red.png").string()) + "\">";
        writeSettingsText("[kOk:TD:Alarms]\r\n0_Message=" + message.toStdString() + "\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        inside(w).messageBar().ShowMessageBar(0);
        auto* panel = part<QLabel>(w, "p_messager");
        QCOMPARE(panel->text(), message);
        const QImage shown = panel->grab().toImage();
        int redPixels = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                redPixels += shown.pixelColor(x, y) == QColor(Qt::red);
        QCOMPARE(redPixels, 0);
    }

    // OK stays off after the bar while the skin-choice lock holds it.
    void dialogOkKeepsItsState() {
        kok::test::ComposedClock w(QString{});
        w.show();
        kok::dialog::SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        inside(w).messageBar().ShowMessageBar(0);
        inside(w).messageBar().ShowMessageBar(10); // a second bar over the first
        inside(w).messageBar().armDismissal();
        inside(w).messageBar().p_messagerClick();
        QVERIFY(!part<QPushButton>(dialog, "c_ok")->isEnabled());
        QVERIFY(part<QPushButton>(dialog, "c_cancel")->isEnabled());
    }
};

KOK_QT_TEST(MessageBarTest);
#include "message_bar_test.moc"
