// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "dialog/info_page.h"
#include "support/form_part.h"
#include "support/qt_test_main.h"

using kok::dialog::InfoPage;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button = Qt::NoButton) {
    const QPointF pos(2, 2);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(button);
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void moveOver(QWidget* w) {
    sendMouse(w, QEvent::MouseMove);
}

void click(QWidget* w) {
    sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton);
}

QColor textColor(InfoPage& page, const char* name) {
    return part<QLabel>(page, name)->palette().color(QPalette::WindowText);
}

const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kBlack(0, 0, 0);

} // namespace

class InfoPageTest : public QObject {
    Q_OBJECT

  private slots:
    void titleAnimation() {
        InfoPage page;
        auto* title = part<QLabel>(page, "t_title");
        auto* egg = part<QTimer>(page, "tt_egg");
        QStringList texts;
        QList<int> greens;
        connect(egg, &QTimer::timeout, this, [&] {
            texts << title->text();
            const QColor c = title->palette().color(QPalette::WindowText);
            greens << (c.red() == 0 && c.blue() == 0 ? c.green() : -1);
        });
        QVERIFY(!egg->isActive());
        sendMouse(title, QEvent::MouseButtonDblClick, Qt::LeftButton);
        QCOMPARE(egg->interval(), 50);
        QTRY_VERIFY_WITH_TIMEOUT(!egg->isActive(), 30000);
        QCOMPARE(texts, (QStringList{"kOk DIAL TD e", "kOk DIAL TD eX", "kOk DIAL TD eXp",
                                     "kOk DIAL TD eXpe", "kOk DIAL TD eXper", "kOk DIAL TD eXperi",
                                     "kOk DIAL TD eXperie", "kOk DIAL TD eXperien",
                                     "kOk DIAL TD eXperienc", "kOk DIAL TD eXperience",
                                     "kOk DIAL TD eXperience"}));
        QCOMPARE(greens, (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));

        // Again: one tick, and the title stays.
        sendMouse(title, QEvent::MouseButtonDblClick, Qt::LeftButton);
        QVERIFY(egg->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!egg->isActive(), 30000);
        QCOMPARE(texts.size(), 12);
        QCOMPARE(title->text(), "kOk DIAL TD eXperience");
        QCOMPARE(greens.last(), 100);
    }

    void highlightFollowsThePointer() {
        InfoPage page;
        page.setOpener([](const QString&) {});
        const char* links[] = {"t_mail", "t_web", "t_info", "t_skins"};
        const auto colours = [&] {
            QList<QColor> c;
            for (const char* name : links)
                c << textColor(page, name);
            return c;
        };
        QCOMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlue}));
        moveOver(part<QLabel>(page, "t_mail"));
        QCOMPARE(colours(), (QList<QColor>{kNavy, kBlue, kBlue, kBlue}));
        moveOver(part<QLabel>(page, "t_web"));
        QCOMPARE(colours(), (QList<QColor>{kBlue, kNavy, kBlue, kBlue}));
        moveOver(&page);
        QCOMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlue}));

        moveOver(part<QLabel>(page, "t_skins"));
        click(part<QLabel>(page, "t_skins"));
        moveOver(part<QLabel>(page, "t_skins")); // a clicked link stays black under the pointer
        QCOMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlack}));
        moveOver(&page);
        QCOMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlue}));
    }

    void linksOpenTheirAddresses() {
        InfoPage page;
        QStringList opened;
        page.setOpener([&](const QString& address) { opened << address; });
        for (const char* name : {"t_mail", "t_web", "t_info", "t_skins", "t_id", "t_title"})
            click(part<QLabel>(page, name));
        QCOMPARE(opened,
                 (QStringList{"mailto:koktd@example.org?subject=%22kOk%20DIAL%20TD%22",
                              "https://koktd.example.org/", "https://koktd.example.org/dial-td/",
                              "https://koktd.example.org/skins",
                              "https://koktd.example.org/ids_ru.html"}));
        // Enter and Space open them as a click does.
        opened.clear();
        QTest::keyClick(part<QLabel>(page, "t_web"), Qt::Key_Return);
        QTest::keyClick(part<QLabel>(page, "t_id"), Qt::Key_Space);
        QCOMPARE(opened, (QStringList{"https://koktd.example.org/",
                                      "https://koktd.example.org/ids_ru.html"}));
        QCOMPARE(part<QLabel>(page, "t_version")->text(), "ВЕРСИЯ 10.0");
        QCOMPARE(part<QLabel>(page, "t_id")->text(), "ID: KTD.5.10.0");
        QCOMPARE(textColor(page, "t_id"), page.palette().color(QPalette::WindowText));
    }
};

KOK_QT_TEST(InfoPageTest);
#include "info_page_test.moc"
