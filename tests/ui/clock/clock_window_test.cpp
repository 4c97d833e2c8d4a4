// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <ctime>
#include <filesystem>

#include "app/lazy_settings_dialog.h"
#include "app/restart.h"
#include "clock/clock_window.h"
#include "clock/image_button.h"
#include "commands/clock_commands.h"
#include "dialog/settings_dialog.h"
#include "platform/tick_timer.h"
#include "settings/ini_file.h"
#include "settings/settings_file.h"
#include "signals/message_bar.h"
#include "signals/warning_lock.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"
#include "support/test_clock.h"
#include "support/time_zone.h"

using kok::clock::ClockWindow;
using kok::clock::ImageButton;
using kok::dialog::SettingsDialog;
using kok::settings::IniFile;
using kok::test::inside;

namespace {

int wallClockMs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<int>(ts.tv_nsec / 1000000);
}

void writeSettingsText(const std::string& text) {
    kok::test::writeBytes(kok::settings::settingsFilePath(), text);
}

void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint pos) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void hover(QWidget* w) {
    sendMouse(w, QEvent::MouseMove, Qt::NoButton, QPoint(2, 2));
}

// Counts one kind of event a widget receives.
class EventCounter : public QObject {
  public:
    EventCounter(QEvent::Type type, int& count) : type_(type), count_(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type_) ++count_;
        return false;
    }

  private:
    QEvent::Type type_;
    int& count_;
};

bool shows(const QLabel* label, const QPixmap& p) {
    return label->pixmap().cacheKey() == p.cacheKey();
}

} // namespace

class ClockWindowTest : public QObject {
    Q_OBJECT

    std::filesystem::path settingsPath = kok::settings::settingsFilePath();
    IniFile ini{settingsPath};

    void writeSettings(std::initializer_list<std::pair<const char*, int>> values,
                       const char* section = "kOk:TD") {
        for (const auto& [key, value] : values)
            ini.writeInteger(section, key, value);
    }
    void makeSettingsUnwritable() {
        std::filesystem::remove_all(settingsPath);
        std::filesystem::create_directory(settingsPath); // nothing can be renamed over it
    }

  private slots:
    void init() { std::filesystem::remove_all(settingsPath); }
    void cleanup() { std::filesystem::remove_all(settingsPath); }

    // The shown second must change within 50 ms of the system clock's. A busy
    // machine may hold this process back: the longest stall of this very loop,
    // measured as it runs, is allowed on top.
    void tickFollowsTheSecondBoundary() {
        kok::test::ComposedClock w(QString{});
        w.show();
        QString last = part<QLabel>(w, "t_time")->text();
        int changes = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        qint64 previous = 0;
        qint64 stall = 0;
        while (changes < 3 && elapsed.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QTest::qSleep(1);
            const qint64 now = elapsed.elapsed();
            stall = std::max(stall, now - previous);
            previous = now;
            if (part<QLabel>(w, "t_time")->text() == last) continue;
            const int ms = wallClockMs();
            last = part<QLabel>(w, "t_time")->text();
            ++changes;
            QVERIFY2(ms < 50 + stall, qPrintable(QString("changed %1 ms after the second (the "
                                                         "longest stall seen: %2 ms)")
                                                     .arg(ms)
                                                     .arg(stall)));
            const QTime shown = QTime::fromString(last, "hh:mm:ss");
            QVERIFY(shown.isValid());
            QCOMPARE(shown.second(), QTime::currentTime().second());
        }
        QCOMPARE(changes, 3);
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_time")->isActive());
    }

    void idleTextOfTheSecondIndicator_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("idleText");
        QTest::addColumn<bool>("uptime");
        QTest::newRow("nothing stored") << ""
                                        << "" << false;
        QTest::newRow("zero") << "asZero=1"
                              << "00:00:00" << false;
        QTest::newRow("none") << "asNone=1"
                              << "--:--:--" << false;
        QTest::newRow("zero beats none") << "asZero=1\r\nasNone=1"
                                         << "00:00:00" << false;
        QTest::newRow("null is not read") << "asNull=1"
                                          << "" << false;
        QTest::newRow("uptime skips the idle keys") << "SystemTime=1\r\nasZero=1"
                                                    << "" << true;
    }
    void idleTextOfTheSecondIndicator() {
        QFETCH(QString, settings);
        QFETCH(QString, idleText);
        QFETCH(bool, uptime);
        writeSettingsText("[kOk:TD:Indicator]\r\n" + settings.toStdString() + "\r\n");
        kok::test::ComposedClock w(QString{});
        part<QLabel>(w, "t_timer")->setText("~");
        w.show();
        QCOMPARE(part<QTimer>(w, "tt_system")->isActive(), uptime);
        if (uptime) // the uptime is written at once, not the idle text
            QVERIFY(QRegularExpression("^\\d{2,}:[0-5]\\d:[0-5]\\d$")
                        .match(part<QLabel>(w, "t_timer")->text())
                        .hasMatch());
        else
            QCOMPARE(part<QLabel>(w, "t_timer")->text(), idleText);
    }

    void timersStayOffUntilTheFirstShow() {
        kok::test::ComposedClock w(QString{});
        for (QTimer* t : w.findChildren<QTimer*>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QCOMPARE(w.findChild<QTimer*>("tt_locker")->interval(), 60000);
        QCOMPARE(w.findChild<QTimer*>("tt_rebooter")->interval(), 750);
    }

    void autorunArmsTheRestartAndHoldsTheMenu() {
        kok::test::ComposedClock w(QStringLiteral("/autorun"));
        QVERIFY(part<QTimer>(w, "tt_rebooter")->isActive());
        QVERIFY(!inside(w).menuAutoPopup());
        part<QTimer>(w, "tt_rebooter")->stop(); // the test must not restart itself
        kok::test::ComposedClock plain(QStringLiteral("/AUTORUN"));
        QVERIFY(!part<QTimer>(plain, "tt_rebooter")->isActive());
        QVERIFY(inside(plain).menuAutoPopup());
    }

    void leftoverTimerStateIsDeletedWhenNothingRuns() {
        const auto state = kok::settings::programFilePath("kOkTD.timer");
        kok::test::writeBytes(state, "[kOk:TD:Timer:cdn]\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        QVERIFY(!std::filesystem::exists(state));
    }

    void menuTree() {
        kok::test::ComposedClock w("");
        auto names = [](const QMenu* m) {
            QStringList out;
            for (const QAction* a : m->actions())
                out << a->objectName() + (a->isSeparator() ? "" : "=" + a->text());
            return out;
        };
        QCOMPARE(names(part<QMenu>(w, "menu")),
                 QStringList({"m_settings=Настройки", "m_skin=Выбор темы интерфейса",
                              "m_datetime=Корректировка даты и времени",
                              "m_system=Показывать время работы Windows",
                              "m_magnet=Использовать прилипание к краям экрана", "m_separator_1",
                              "m_noremind=Отменить ближайшее напоминание", "m_alarms=Будильники",
                              "m_timers=Таймеры", "m_separator_2", "m_hide_10=Скрыть на 10 секунд",
                              "m_hide_60=Скрыть на 60 секунд", "m_separator_3",
                              "m_reboot=Перезапуск", "m_info=Информация", "m_close=Выход"}));
        QCOMPARE(part<QMenu>(w, "menu")->defaultAction(), part<QAction>(w, "m_settings"));
        QVERIFY(!part<QAction>(w, "m_noremind")->isVisible());
        QVERIFY(part<QAction>(w, "m_magnet")->isCheckable());
        QVERIFY(part<QAction>(w, "m_system")->isCheckable());

        QMenu* alarms = part<QAction>(w, "m_alarms")->menu();
        QVERIFY(alarms);
        QCOMPARE(alarms->defaultAction(), part<QAction>(w, "ma_settings"));
        QStringList expectedAlarms{"ma_settings=Настройки", "ma_separator"};
        for (int i = 0; i < 10; ++i) {
            expectedAlarms << QString("ma_%1=").arg(i);
            QCOMPARE(part<QAction>(w, qPrintable(QString("ma_%1").arg(i)))->data().toInt(), i);
        }
        QCOMPARE(names(alarms), expectedAlarms);

        QMenu* timers = part<QAction>(w, "m_timers")->menu();
        QVERIFY(timers);
        QCOMPARE(names(timers),
                 QStringList({"mt_settings_cdn=Настройки таймера обратного отсчёта",
                              "mt_settings_tmr=Настройки таймера прямого отсчёта", "mt_separator_1",
                              "mt_start_cdn=Запустить таймер обратного отсчёта",
                              "mt_start_tmr=Запустить таймер прямого отсчёта", "mt_separator_2",
                              "mt_mode_stop=Режим кнопки таймера: остановка и сброс",
                              "mt_mode_pause=Режим кнопки таймера: пауза и продолжение"}));
        // The two modes are one radio group.
        QVERIFY(part<QAction>(w, "mt_mode_stop")->actionGroup() &&
                part<QAction>(w, "mt_mode_stop")->actionGroup()->isExclusive());
        QCOMPARE(part<QAction>(w, "mt_mode_stop")->actionGroup(),
                 part<QAction>(w, "mt_mode_pause")->actionGroup());
        part<QAction>(w, "mt_mode_stop")->trigger();
        part<QAction>(w, "mt_mode_pause")->trigger();
        QVERIFY(part<QAction>(w, "mt_mode_pause")->isChecked() &&
                !part<QAction>(w, "mt_mode_stop")->isChecked());

        QCOMPARE(names(part<QMenu>(w, "hotkeys")), QStringList({"hk_esc=Esc", "hk_enter=Enter"}));
        QCOMPARE(part<QAction>(w, "hk_esc")->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(part<QAction>(w, "hk_enter")->shortcuts().contains(QKeySequence(Qt::Key_Return)));
        for (QAction* a : {part<QAction>(w, "hk_esc"), part<QAction>(w, "hk_enter")}) {
            QVERIFY(!a->isEnabled());
            QVERIFY(w.actions().contains(a)); // so that the shortcut works on the window
        }
    }

    void systemItemFollowsTheSkin() {
        kok::test::ComposedClock w(""); // the built-in "ext" skin has two indicators
        QVERIFY(part<QAction>(w, "m_system")->isVisible());
        inside(w).setSystemMenuVisible(false);
        QVERIFY(!part<QAction>(w, "m_system")->isVisible());
        inside(w).setSystemMenuVisible(true);
        QVERIFY(part<QAction>(w, "m_system")->isVisible());
    }

    void showTimeLoadAndHiding() {
        writeSettings({{"PosX", 123}, {"PosY", 45}, {"Priority", 1}, {"Magnet", 0}});
        kok::test::ComposedClock w("");
        w.show();
        QCOMPARE(w.pos(), QPoint(123, 45));
        QVERIFY(part<QTimer>(w, "tt_priority")->isActive());
        QVERIFY(!part<QAction>(w, "m_magnet")->isChecked());

        part<QAction>(w, "m_hide_10")->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!part<QTimer>(w, "tt_priority")->isActive());
        QVERIFY(part<QTimer>(w, "tt_hide")->isActive());
        QCOMPARE(part<QTimer>(w, "tt_hide")->interval(), 10000);
        part<QAction>(w, "m_hide_60")->trigger();
        QCOMPARE(part<QTimer>(w, "tt_hide")->interval(), 60000);

        // Coming back, the window takes whatever is stored by then.
        writeSettings({{"PosX", 222}, {"PosY", 111}, {"Magnet", 1}});
        QVERIFY(QMetaObject::invokeMethod(&w, "tt_hideTimer"));
        QVERIFY(w.isVisible());
        QVERIFY(!part<QTimer>(w, "tt_hide")->isActive());
        QCOMPARE(w.pos(), QPoint(222, 111));
        QVERIFY(part<QTimer>(w, "tt_priority")->isActive());
        QVERIFY(part<QAction>(w, "m_magnet")->isChecked());
    }

    void storedPositionOffEveryScreenComesBack() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        {
            kok::test::ComposedClock w(""); // partly off the screen: kept as stored
            const int partly = -(w.width() - 10);
            writeSettings({{"PosX", partly}, {"PosY", 40}});
            w.show();
            QCOMPARE(w.pos(), QPoint(partly, 40));
        }
        writeSettings({{"PosX", screen.width() + 500}, {"PosY", 40}});
        kok::test::ComposedClock w("");
        w.show();
        QCOMPARE(w.pos(), QPoint(screen.width() - w.width(), 40));
    }

    void emptySettingsPlaceTheWindowTopRight() {
        kok::test::ComposedClock w("");
        w.show();
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        QCOMPARE(w.pos(), QPoint(screenWidth - w.width() - 70, 0));
        QVERIFY(part<QAction>(w, "m_magnet")->isChecked());
        QVERIFY(!part<QTimer>(w, "tt_priority")->isActive());
    }

    // The options page moves the clock while its fields are edited: Cancel
    // puts it back where the Settings file says and writes nothing; OK stores it.
    void positionFieldsMoveTheClockUntilCancel() {
        writeSettingsText("[kOk:TD]\r\nPosX=100\r\nPosY=200\r\n");
        kok::test::ComposedClock w(QString{});
        w.show();
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        for (int i = 0; i < 6; ++i) // the skin-choice lock
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        const std::string before = kok::test::readBytes(settingsPath);

        part<QAction>(w, "m_settings")->trigger();
        part<QLineEdit>(dialog, "e_xx")->setText("300");
        QCOMPARE(w.pos(), QPoint(300, 200));
        part<QPushButton>(dialog, "c_cancel")->click();
        QTRY_COMPARE(w.pos(), QPoint(100, 200));
        QCOMPARE(kok::test::readBytes(settingsPath), before);

        part<QAction>(w, "m_settings")->trigger();
        part<QLineEdit>(dialog, "e_yy")->setText("-5");
        part<QPushButton>(dialog, "c_ok")->click();
        QTRY_COMPARE(w.pos(), QPoint(100, -5));
        QCOMPARE(IniFile(settingsPath).readInteger("kOk:TD", "PosY", 0), -5);
    }

    void dragSnapsAndStoresThePosition() {
        writeSettings({{"PosX", 100}, {"PosY", 100}});
        kok::test::ComposedClock w("");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const QPoint grip(5, 5); // on the time indicator
        const QPoint origin =
            part<QLabel>(w, "t_time")->geometry().topLeft() + grip; // in the window

        // Magnet on: 10 pixels from the right edge lands on it.
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonPress, Qt::LeftButton, grip);
        QVERIFY(part<QTimer>(w, "tt_move")->isActive());
        QCursor::setPos(screen.width() - w.width() - 10 + origin.x(), 300 + origin.y());
        QTRY_COMPARE(w.pos(), QPoint(screen.width() - w.width(), 300));
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::LeftButton, grip);
        QVERIFY(!part<QTimer>(w, "tt_move")->isActive());
        QCOMPARE(ini.readInteger("kOk:TD", "PosX", -1), screen.width() - w.width());
        QCOMPARE(ini.readInteger("kOk:TD", "PosY", -1), 300);

        // With the Settings dialog open its position fields follow the drag.
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        dialog.show();
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonPress, Qt::LeftButton, grip);
        QCursor::setPos(250 + origin.x(), 260 + origin.y());
        QTRY_COMPARE(w.pos(), QPoint(250, 260));
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::LeftButton, grip);
        QCOMPARE(part<QLineEdit>(dialog, "e_xx")->text(), QString("250"));
        QCOMPARE(part<QLineEdit>(dialog, "e_yy")->text(), QString("260"));
        dialog.hide();

        // Magnet off (and stored): above the top stops 5 pixels over it.
        part<QAction>(w, "m_magnet")->trigger();
        QCOMPARE(ini.readInteger("kOk:TD", "Magnet", -1), 0);
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonPress, Qt::LeftButton, grip);
        QCursor::setPos(200 + origin.x(), -40 + origin.y());
        QTRY_COMPARE(w.pos(), QPoint(200, -5));
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::LeftButton, grip);
        QCOMPARE(ini.readInteger("kOk:TD", "PosY", 0), -5);

        // A right click starts no drag but stores the position too.
        ini.writeInteger("kOk:TD", "PosX", 1);
        inside(w).setMenuAutoPopup(false);
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonPress, Qt::RightButton, grip);
        QVERIFY(!part<QTimer>(w, "tt_move")->isActive());
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::RightButton, grip);
        QCOMPARE(ini.readInteger("kOk:TD", "PosX", 0), 200);
    }

    // The alarms menu shows each slot's time and switch, switches a slot in the
    // file and the check with it, and goes when the switch cannot be stored.
    void alarmSlotsInTheMenu() {
        writeSettingsText("[kOk:TD:Alarms]\r\n3_Use=1\r\n3_Hour=7\r\n3_Minute=5\r\n"
                          "5_Minute=30\r\n");
        kok::test::ComposedClock w("");
        w.show();
        QAction* slot3 = part<QAction>(w, "ma_3");
        QAction* slot5 = part<QAction>(w, "ma_5");
        QCOMPARE(slot3->text(), QString("3.   7 ч 5 м "));
        QCOMPARE(slot5->text(), QString("5.   0 ч 30 м ")); // the menu reads a missing hour as 0
        QVERIFY(slot3->isChecked());
        QVERIFY(!slot5->isChecked());
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_alarm")->isActive());

        slot3->trigger(); // Qt takes the mark off before the handler runs
        QCOMPARE(ini.readInteger("kOk:TD:Alarms", "3_Use", -1), 0);
        QVERIFY(!slot3->isChecked());
        QVERIFY(!part<kok::platform::TickTimer>(w, "tt_alarm")->isActive()); // no slot left on
        slot5->trigger();
        QCOMPARE(ini.readInteger("kOk:TD:Alarms", "5_Use", -1), 1);
        QVERIFY(slot5->isChecked());
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_alarm")->isActive());

        makeSettingsUnwritable();
        slot5->trigger();
        for (const char* item : {"m_alarms", "m_timers", "m_separator_1", "m_separator_2"})
            QVERIFY2(!part<QAction>(w, item)->isVisible(), item);
    }

    // An alarm the clock's time jumped past (a suspend, a time change) by more
    // than the late limit shows its message alone, saying when it was due: a
    // once-alarm is switched off, and dismissing it within the warning lock
    // leaves the check, with no slot on, stopped; a dated one stays on.
    void aMissedAlarmShowsItsMessageOnly_data() {
        QTest::addColumn<QString>("regularity");
        QTest::addColumn<int>("useAfter");
        QTest::newRow("once") << "0_atOnce" << 0;
        QTest::newRow("on the date") << "0_atDate" << 1;
    }
    void aMissedAlarmShowsItsMessageOnly() {
        QFETCH(QString, regularity);
        QFETCH(int, useAfter);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 9, 6, 59, 30);
        const auto started = folder / "started";
        kok::settings::openSettings().update([&](kok::settings::IniUpdate& file) {
            for (const auto& [key, value] :
                 {std::pair{"0_Use", 1}, {"0_Hour", 7}, {"0_Minute", 0}, {"0_Start", 1}})
                file.writeInteger("kOk:TD:Alarms", key, value);
            file.writeInteger("kOk:TD:Alarms", regularity.toStdString(), 1);
            file.writeString("kOk:TD:Alarms", "0_Date", "09.12");
            file.writeString("kOk:TD:Alarms", "0_App", "touch " + started.string());
            file.writeString("kOk:TD:Alarms", "0_Message", "<b>Wake</b> %1");
        });
        kok::test::ComposedClock w("");
        w.show();
        auto* check = part<kok::platform::TickTimer>(w, "tt_alarm");
        clock.set(2026, 12, 9, 8, 30, 0);
        QVERIFY(QMetaObject::invokeMethod(check, "timeout"));
        QVERIFY(inside(w).messageBar().showing());
        QCOMPARE(part<QLabel>(w, "p_messager")->text(),
                 QString::fromUtf8("Пропущено: 07:00 — <b>Wake</b> %1"));
        QCOMPARE(part<QLabel>(w, "p_messager")->textFormat(), Qt::PlainText);
        QCOMPARE(kok::settings::openSettings().readInteger("kOk:TD:Alarms", "0_Use", -1), useAfter);
        QTest::qWait(300);
        QVERIFY(!std::filesystem::exists(started));

        part<kok::signal::WarningLock>(w, "tt_locker")->start();
        inside(w).messageBar().p_messagerClick();
        QCOMPARE(check->isActive(), useAfter == 1);
        if (useAfter == 0) return;
        // A dated alarm is shown once: the next check finds nothing more to report.
        clock.set(2026, 12, 9, 8, 31, 0);
        QVERIFY(QMetaObject::invokeMethod(check, "timeout"));
        QVERIFY(!inside(w).messageBar().showing());
    }

    // A once-alarm that rings while the dialog is open stays off after OK,
    // unless the user switches it on again in the dialog; a weekly one stays on.
    void aRungOnceAlarmStaysOffAfterOk_data() {
        QTest::addColumn<bool>("switchedOnAgain");
        QTest::newRow("left alone") << false;
        QTest::newRow("switched on again") << true;
    }
    void aRungOnceAlarmStaysOffAfterOk() {
        QFETCH(bool, switchedOnAgain);
        kok::test::FixedTimeZone zone;
        kok::test::ProgramFolder folder;
        kok::test::TestClock clock(2026, 12, 9, 7, 59, 0);
        writeSettingsText("[kOk:TD:Alarms]\r\n0_Use=1\r\n0_atOnce=1\r\n0_Hour=8\r\n"
                          "0_Sound=0\r\n0_Beep=0\r\n1_Use=1\r\n1_atWeek=1\r\n1_Hour=9\r\n");
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Alarm);
        auto* on = part<QCheckBox>(dialog, "o_alarm_on");
        QVERIFY(on->isChecked());

        clock.set(2026, 12, 9, 8, 0, 0);
        QVERIFY(
            QMetaObject::invokeMethod(part<kok::platform::TickTimer>(w, "tt_alarm"), "timeout"));
        QVERIFY(inside(w).messageBar().showing());
        QCOMPARE(kok::settings::openSettings().readInteger("kOk:TD:Alarms", "0_Use", -1), 0);
        inside(w).messageBar().p_messagerClick();
        QVERIFY(!on->isChecked()); // the page shows what the check did
        if (switchedOnAgain) on->click();
        part<QPushButton>(dialog, "c_ok")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(kok::settings::openSettings().readInteger("kOk:TD:Alarms", "0_Use", -1),
                 switchedOnAgain ? 1 : 0);
        QCOMPARE(kok::settings::openSettings().readInteger("kOk:TD:Alarms", "1_Use", -1), 1);
        QCOMPARE(part<QAction>(w, "ma_0")->isChecked(), switchedOnAgain);
    }

    // The timer button's mode chosen from the menu while the dialog shows is
    // what its page shows and OK stores; the button's tooltip says what a
    // click does in the mode, wherever the mode was chosen.
    void timerButtonModeFromMenuPageAndTooltip() {
        writeSettingsText("[kOk:TD:Timer]\r\nTerminate=1\r\n");
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        auto* button = part<ImageButton>(w, "i_timer");
        const QString stopTip = button->toolTip();
        QVERIFY(stopTip.contains(QString::fromUtf8("остановка со сбросом")));
        QVERIFY(!stopTip.contains(QString::fromUtf8("пауза")));
        for (int i = 0; i < 6; ++i)
            QVERIFY(QMetaObject::invokeMethod(&dialog, "tt_lockerTimer"));
        dialog.openSection(SettingsDialog::Timer);
        auto* pauseRadio = part<QRadioButton>(dialog, "o_pause");
        auto* stopRadio = part<QRadioButton>(dialog, "o_stop");
        QVERIFY(stopRadio->isChecked());

        part<QAction>(w, "mt_mode_pause")->trigger();
        QVERIFY(pauseRadio->isChecked());
        const QString pauseTip = button->toolTip();
        QVERIFY(pauseTip.contains(QString::fromUtf8("пауза или продолжение")));
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(ini.readInteger("kOk:TD:Timer", "Terminate", -1), 0);
        QCOMPARE(button->toolTip(), pauseTip);
        QVERIFY(part<QAction>(w, "mt_mode_pause")->isChecked());

        // Chosen in the dialog, the mode reaches the menu and the tooltip at OK.
        dialog.openSection(SettingsDialog::Timer);
        QVERIFY(pauseRadio->isChecked());
        stopRadio->click();
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(ini.readInteger("kOk:TD:Timer", "Terminate", -1), 1);
        QCOMPARE(button->toolTip(), stopTip);
        QVERIFY(part<QAction>(w, "mt_mode_stop")->isChecked());

        // The uptime display switched from the menu is what OK keeps.
        inside(w).setSystemMenuVisible(true);
        dialog.openSection(SettingsDialog::Options);
        const bool uptime = part<QCheckBox>(dialog, "o_system")->isChecked();
        part<QAction>(w, "m_system")->trigger();
        QCOMPARE(part<QCheckBox>(dialog, "o_system")->isChecked(), !uptime);
        part<QPushButton>(dialog, "c_ok")->click();
        QCOMPARE(ini.readInteger("kOk:TD:Indicator", "SystemTime", -1), uptime ? 0 : 1);
    }

    void failedWritesAreReportedOrHideTheItem() {
        kok::test::ComposedClock w("");
        inside(w).setSystemMenuVisible(true);
        w.show();
        makeSettingsUnwritable();

        kok::test::MessageCatcher catcher;
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonPress, Qt::LeftButton,
                  QPoint(5, 5));
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::LeftButton,
                  QPoint(5, 5));
        QCOMPARE(catcher.texts.value(0),
                 QString("Возникла проблема при попытке записать файл на диск.\n"
                         "Возможно, программа запущена с диска, запись на который запрещена.\n"
                         "Сохранение положения программы на экране невозможно."));

        const bool magnetBefore = part<QAction>(w, "m_magnet")->isChecked();
        part<QAction>(w, "m_magnet")->trigger();
        QVERIFY(!part<QAction>(w, "m_magnet")->isVisible());
        QCOMPARE(part<QAction>(w, "m_magnet")->isChecked(),
                 !magnetBefore); // still in force for this run

        part<QAction>(w, "m_system")->trigger();
        QVERIFY(!part<QAction>(w, "m_system")->isVisible());
        inside(w).setSystemMenuVisible(true); // a skin applied later does not bring it back
        QVERIFY(!part<QAction>(w, "m_system")->isVisible());
    }

    void uptimeInTheSecondIndicator() {
        writeSettings({{"SystemTime", 1}}, "kOk:TD:Indicator");
        writeSettings({{"asZero", 1}}, "kOk:TD:Indicator");
        kok::test::ComposedClock w("");
        inside(w).setSystemMenuVisible(true);
        w.show();
        QVERIFY(part<QAction>(w, "m_system")->isChecked());
        QVERIFY(part<QTimer>(w, "tt_system")->isActive());
        const QRegularExpression uptime("^\\d{2,}:[0-5]\\d:[0-5]\\d$");
        QVERIFY(uptime.match(part<QLabel>(w, "t_timer")->text()).hasMatch());

        part<QAction>(w, "m_system")->trigger(); // off: stored, and the window reloads
        QCOMPARE(ini.readInteger("kOk:TD:Indicator", "SystemTime", -1), 0);
        QVERIFY(w.isVisible());
        QVERIFY(!part<QTimer>(w, "tt_system")->isActive());
        QCOMPARE(part<QLabel>(w, "t_timer")->text(), QString("00:00:00"));
    }

    void buttonPictures() {
        kok::test::ComposedClock w("");
        // The built-in skin's pictures of one button all differ.
        const auto& pics = inside(w).buttonPictures();
        const QImage timer[] = {pics.timer_of.toImage(), pics.timer_on.toImage(),
                                pics.timer_at.toImage(), pics.timer_dn.toImage()};
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                QVERIFY(timer[i] != timer[j]);
        part<ImageButton>(w, "i_settings")->setGeometry(0, 0, 8, 8);
        part<ImageButton>(w, "i_close")->setGeometry(10, 0, 8, 8);
        part<ImageButton>(w, "i_timer")->setGeometry(20, 0, 8, 8);
        w.show();

        // A flagged button takes its idle picture at the next reset (the skin
        // load has done the first one already, with the skin's own pictures).
        for (auto* b : {part<ImageButton>(w, "i_settings"), part<ImageButton>(w, "i_close"),
                        part<ImageButton>(w, "i_timer")})
            b->notIdle = true;
        inside(w).resetButtonsToIdle();
        QVERIFY(shows(part<ImageButton>(w, "i_settings"), inside(w).buttonPictures().settings_of));
        QVERIFY(shows(part<ImageButton>(w, "i_close"), inside(w).buttonPictures().close_of));
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_of));

        hover(part<ImageButton>(w, "i_close"));
        QVERIFY(shows(part<ImageButton>(w, "i_close"), inside(w).buttonPictures().close_on));
        QVERIFY(part<QTimer>(w, "tt_shader")->isActive());
        QTest::qWait(30);
        const int left = part<QTimer>(w, "tt_shader")->remainingTime();
        hover(part<ImageButton>(w, "i_settings")); // the other goes back; the shader keeps counting
        QVERIFY(shows(part<ImageButton>(w, "i_settings"), inside(w).buttonPictures().settings_on));
        QVERIFY(shows(part<ImageButton>(w, "i_close"), inside(w).buttonPictures().close_of));
        QVERIFY(part<QTimer>(w, "tt_shader")->remainingTime() <= left);

        sendMouse(part<ImageButton>(w, "i_settings"), QEvent::MouseButtonPress, Qt::LeftButton,
                  QPoint(2, 2));
        QVERIFY(shows(part<ImageButton>(w, "i_settings"), inside(w).buttonPictures().settings_dn));
        QVERIFY(!part<QTimer>(w, "tt_move")->isActive()); // buttons start no drag
        sendMouse(part<ImageButton>(w, "i_settings"), QEvent::MouseButtonRelease, Qt::LeftButton,
                  QPoint(2, 2));
        QVERIFY(shows(part<ImageButton>(w, "i_settings"), inside(w).buttonPictures().settings_of));

        // Moving over the face resets a hovered button.
        hover(part<ImageButton>(w, "i_close"));
        hover(part<QLabel>(w, "t_time"));
        QVERIFY(shows(part<ImageButton>(w, "i_close"), inside(w).buttonPictures().close_of));

        // Left by the pointer another way, a button returns with the shader.
        hover(part<ImageButton>(w, "i_timer"));
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_at));
        QVERIFY(QMetaObject::invokeMethod(&w, "tt_shaderTimer"));
        QVERIFY(!part<QTimer>(w, "tt_shader")->isActive());
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_of));

        // While the stopwatch runs the timer button's idle picture is "on".
        w.setTimerButtonRunning(true);
        QVERIFY(QMetaObject::invokeMethod(&w, "tt_shaderTimer"));
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_on));
        QVERIFY(shows(part<ImageButton>(w, "i_settings"), inside(w).buttonPictures().settings_of));
        sendMouse(part<ImageButton>(w, "i_timer"), QEvent::MouseButtonPress, Qt::LeftButton,
                  QPoint(2, 2));
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_dn));
        sendMouse(part<ImageButton>(w, "i_timer"), QEvent::MouseButtonRelease, Qt::LeftButton,
                  QPoint(2, 2));
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_on));
        w.setTimerButtonRunning(false);
        QVERIFY(shows(part<ImageButton>(w, "i_timer"), inside(w).buttonPictures().timer_of));
    }

    void commandsOpenTheirSection() {
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        const std::pair<QAction*, SettingsDialog::Section> entries[] = {
            {part<QAction>(w, "m_skin"), SettingsDialog::Skins},
            {part<QAction>(w, "ma_settings"), SettingsDialog::Alarm},
            {part<QAction>(w, "mt_settings_cdn"), SettingsDialog::Countdown},
            {part<QAction>(w, "mt_settings_tmr"), SettingsDialog::Timer},
            {part<QAction>(w, "m_info"), SettingsDialog::Info},
            {part<QAction>(w, "m_settings"), SettingsDialog::Options},
        };
        for (const auto& [action, section] : entries) {
            action->trigger();
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.currentSection(), section);
            dialog.hide();
        }

        // A double click on the time indicator and a click on the settings button.
        part<QAction>(w, "m_info")->trigger();
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonDblClick, Qt::LeftButton,
                  QPoint(5, 5));
        sendMouse(part<QLabel>(w, "t_time"), QEvent::MouseButtonRelease, Qt::LeftButton,
                  QPoint(5, 5));
        QCOMPARE(dialog.currentSection(), SettingsDialog::Options);
        part<QAction>(w, "m_info")->trigger();
        part<ImageButton>(w, "i_settings")->setGeometry(0, 0, 8, 8);
        sendMouse(part<ImageButton>(w, "i_settings"), QEvent::MouseButtonPress, Qt::LeftButton,
                  QPoint(2, 2));
        sendMouse(part<ImageButton>(w, "i_settings"), QEvent::MouseButtonRelease, Qt::LeftButton,
                  QPoint(2, 2));
        QCOMPARE(dialog.currentSection(), SettingsDialog::Options);
    }

    // The focused clock from the keyboard: the menu keys open the menu over
    // the clock with the Settings item highlighted, Enter and Space open the
    // Settings; while the Message bar shows, Enter dismisses it and nothing
    // opens.
    void keysOpenTheMenuAndTheSettings_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("bar");
        QTest::addColumn<QString>("opens");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << shift << false << "menu";
        QTest::newRow("Menu") << int(Qt::Key_Menu) << none << false << "menu";
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << false << "settings";
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << "settings";
        QTest::newRow("Space") << int(Qt::Key_Space) << none << false << "settings";
        QTest::newRow("F10 alone") << int(Qt::Key_F10) << none << false << "";
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << "";
        QTest::newRow("Enter over the bar") << int(Qt::Key_Return) << none << true << "";
        QTest::newRow("Space over the bar") << int(Qt::Key_Space) << none << true << "";
        QTest::newRow("Shift+F10 over the bar") << int(Qt::Key_F10) << shift << true << "";
    }
    void keysOpenTheMenuAndTheSettings() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, bar);
        QFETCH(QString, opens);
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        if (bar) {
            inside(w).messageBar().ShowMessageBar(0);
            inside(w).messageBar().armDismissal();
        }
        // As the window manager gives it the focus; the bar's keys are
        // shortcuts, which only an active window takes.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* menu = part<QMenu>(w, "menu");
        QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(menu->isVisible(), opens == "menu");
        QCOMPARE(dialog.isVisible(), opens == "settings");
        if (opens == "settings") QCOMPARE(dialog.currentSection(), SettingsDialog::Options);
        if (bar && key == Qt::Key_Return) QVERIFY(!inside(w).messageBar().showing());
        if (opens != "menu") return;
        const QRect clock(w.mapToGlobal(QPoint(0, 0)), w.size());
        QVERIFY(clock.intersects(menu->geometry())); // screen edges may shift it
        QCOMPARE(menu->activeAction(), part<QAction>(w, "m_settings"));
        // Arrows walk the items, Esc closes, Enter runs the highlighted one.
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), part<QAction>(w, "m_skin"));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentSection(), SettingsDialog::Options);
    }

    // The skin's buttons are buttons to a screen reader, pressed as clicked.
    void buttonsArePressableByAssistiveTechnology() {
        kok::test::ComposedClock w("");
        SettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        QStringList names;
        for (const char* name : {"i_settings", "i_close", "i_timer"}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(part<QLabel>(w, name));
            QVERIFY2(a && a->role() == QAccessible::Button, name);
            QVERIFY2(a->actionInterface(), name);
            QCOMPARE(a->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), name);
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(), name);
            names << a->text(QAccessible::Name);
        }
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 3);
        QAccessible::queryAccessibleInterface(part<QLabel>(w, "i_settings"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentSection(), SettingsDialog::Options);
        auto& stopwatch = inside(w).stopwatch();
        const bool ticking = stopwatch.ticking();
        QAccessible::queryAccessibleInterface(part<QLabel>(w, "i_timer"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(stopwatch.ticking() != ticking);
    }

    // The program's dialog is built on its first opening. Until then the
    // clock ticks and shows the Message bar without it; the bar's lock on
    // Cancel reaches the dialog built while it shows, and the item's section
    // is the one shown.
    void theSettingsDialogIsBuiltOnFirstOpen() {
        kok::test::ComposedClock w("");
        kok::app::LazySettingsDialog dialog(w);
        w.setSettingsDialog(&dialog);
        w.show();
        QVERIFY(QMetaObject::invokeMethod(part<kok::platform::TickTimer>(w, "tt_time"), "timeout"));
        inside(w).messageBar().ShowMessageBar(0);
        QVERIFY(!dialog.isOpen());
        QVERIFY(!dialog.built());

        part<QAction>(w, "mt_settings_tmr")->trigger();
        QVERIFY(dialog.built());
        QVERIFY(dialog.isOpen());
        QCOMPARE(dialog.dialog().currentSection(), SettingsDialog::Timer);
        auto* cancel = part<QPushButton>(dialog.dialog(), "c_cancel");
        QVERIFY(!cancel->isEnabled());
        inside(w).messageBar().armDismissal();
        inside(w).messageBar().p_messagerClick();
        QTRY_VERIFY(cancel->isEnabled());
        cancel->click();
        QVERIFY(!dialog.isOpen());
    }

    // The clock's commands change what the menu would and report it in the
    // status; a change of settings reloads without hiding the window, and a
    // hidden clock stays hidden through it.
    void commandsReloadWithoutHidingAndReport() {
        writeSettings({{"PosX", 40}, {"PosY", 50}});
        writeSettings({{"CountDown", 100}}, "kOk:TD:Timer");
        kok::test::ComposedClock w("");
        w.show();
        QCOMPARE(w.pos(), QPoint(40, 50));
        int hides = 0;
        EventCounter counter(QEvent::Hide, hides);
        w.installEventFilter(&counter);
        kok::commands::ClockCommands& c = w.parts().commands();

        QVERIFY(c.switchAlarm(3, true));
        QCOMPARE(ini.readInteger("kOk:TD:Alarms", "3_Use", 0), 1);
        QVERIFY(part<QAction>(w, "ma_3")->isChecked());
        part<QAction>(w, "ma_3")->trigger(); // the menu's switch, the same command
        QCOMPARE(ini.readInteger("kOk:TD:Alarms", "3_Use", 1), 0);
        writeSettings({{"PosX", 60}});
        w.reloadSettings(); // the dialog's OK
        QCOMPARE(w.pos(), QPoint(60, 50));

        c.startCountdown(90);
        QCOMPARE(ini.readInteger("kOk:TD:Timer", "CountDown", 0), 90);
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_countdown")->isActive());
        const std::string left = c.status().countdownLeft;
        QVERIFY2(left == "00:01:30" || left == "00:01:29", left.c_str());
        c.stopCountdown();
        QVERIFY(c.status().countdownLeft.empty());
        QVERIFY(!part<kok::platform::TickTimer>(w, "tt_countdown")->isActive());

        c.moveStopwatch(kok::commands::StopwatchMove::Start);
        QVERIFY(part<kok::platform::TickTimer>(w, "tt_timer")->isActive());
        QVERIFY(!c.status().stopwatch.empty());
        c.moveStopwatch(kok::commands::StopwatchMove::Pause);
        QVERIFY(QString::fromStdString(c.status().stopwatch).endsWith("(paused)"));
        c.moveStopwatch(kok::commands::StopwatchMove::Stop);
        QVERIFY(c.status().stopwatch.empty());
        QCOMPARE(hides, 0);
        QVERIFY(w.isVisible());

        // Snooze without reminder minutes: five, in place of a pending reminder.
        c.snooze(10);
        auto* reminder = part<QTimer>(w, "tt_reminder");
        QVERIFY(reminder->isActive());
        QCOMPARE(reminder->interval(), 5 * 60000);
        QVERIFY(part<QAction>(w, "m_noremind")->isVisible());
        QCOMPARE(c.status().reminder, std::string("countdown"));
        writeSettings({{"3_Remind", 2}}, "kOk:TD:Alarms");
        c.snooze(3);
        QCOMPARE(reminder->interval(), 2 * 60000);
        QCOMPARE(c.status().reminder, std::string("alarm 3"));

        c.hideFor(60);
        QVERIFY(!w.isVisible());
        c.settingsChanged();
        QVERIFY(!w.isVisible());
        c.showClock();
        QVERIFY(w.isVisible());
    }

    // Last: it asks the application to end, which only a running loop would do.
    void closingTheWindowEndsTheProgram() {
        kok::test::ComposedClock w("");
        w.show();
        QVERIFY(!kok::app::terminationRequested());
        w.close();
        QVERIFY(kok::app::terminationRequested());
    }
};

KOK_QT_TEST(ClockWindowTest);
#include "clock_window_test.moc"
