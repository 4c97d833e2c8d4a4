#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <ctime>

#include "clock/clock_window.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"

using kok::clock::ClockWindow;

namespace {

int wallClockMs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<int>(ts.tv_nsec / 1000000);
}

void writeSettings(const std::string& text) {
    kok::test::writeBytes(kok::settings::settingsFilePath(), text);
}

} // namespace

class ClockWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { std::filesystem::remove(kok::settings::settingsFilePath()); }

    // The shown second must change within 50 ms of the system clock's.
    void tickFollowsTheSecondBoundary() {
        ClockWindow w(QString{});
        w.show();
        QString last = w.t_time->text();
        int changes = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        while (changes < 3 && elapsed.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QTest::qSleep(1);
            if (w.t_time->text() == last) continue;
            const int ms = wallClockMs();
            last = w.t_time->text();
            ++changes;
            QVERIFY2(ms < 50, qPrintable(QString("changed %1 ms after the second").arg(ms)));
            const QTime shown = QTime::fromString(last, "hh:mm:ss");
            QVERIFY(shown.isValid());
            QCOMPARE(shown.second(), QTime::currentTime().second());
        }
        QCOMPARE(changes, 3);
        QVERIFY(w.tt_time->isActive());
    }

    void idleTextOfTheSecondIndicator_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("idleText");
        QTest::addColumn<bool>("uptime");
        QTest::newRow("nothing stored") << "" << "" << false;
        QTest::newRow("zero") << "asZero=1" << "00:00:00" << false;
        QTest::newRow("none") << "asNone=1" << "--:--:--" << false;
        QTest::newRow("zero beats none") << "asZero=1\r\nasNone=1" << "00:00:00" << false;
        QTest::newRow("null is not read") << "asNull=1" << "" << false;
        QTest::newRow("uptime skips the idle keys") << "SystemTime=1\r\nasZero=1" << "~" << true;
    }
    void idleTextOfTheSecondIndicator() {
        QFETCH(QString, settings);
        QFETCH(QString, idleText);
        QFETCH(bool, uptime);
        writeSettings("[kOk:TD:Indicator]\r\n" + settings.toStdString() + "\r\n");
        ClockWindow w(QString{});
        w.t_timer->setText("~");
        w.show();
        QCOMPARE(w.t_timer->text(), idleText);
        QCOMPARE(w.tt_system->isActive(), uptime);
    }

    void timersStayOffUntilTheFirstShow() {
        ClockWindow w(QString{});
        for (QTimer* t : w.findChildren<QTimer*>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QCOMPARE(w.findChild<QTimer*>("tt_locker")->interval(), 60000);
        QCOMPARE(w.findChild<QTimer*>("tt_rebooter")->interval(), 750);
    }

    void autorunArmsTheRestartAndHoldsTheMenu() {
        ClockWindow w(QStringLiteral("/autorun"));
        QVERIFY(w.tt_rebooter->isActive());
        QVERIFY(!w.menuAutoPopup());
        w.tt_rebooter->stop(); // the test must not restart itself
        ClockWindow plain(QStringLiteral("/AUTORUN"));
        QVERIFY(!plain.tt_rebooter->isActive());
        QVERIFY(plain.menuAutoPopup());
    }

    void leftoverTimerStateIsDeletedWhenNothingRuns() {
        const auto state = kok::settings::programFilePath("kOkTD.timer");
        kok::test::writeBytes(state, "[kOk:TD:Timer:cdn]\r\n");
        ClockWindow w(QString{});
        w.show();
        QVERIFY(!std::filesystem::exists(state));
    }
};

QTEST_MAIN(ClockWindowTest)
#include "clock_window_test.moc"
