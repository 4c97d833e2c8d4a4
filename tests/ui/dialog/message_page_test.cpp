// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

#include "dialog/message_page.h"
#include "settings/ini_file.h"
#include "skin/skin_font.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/qt_test_main.h"
#include "support/temp_dir.h"

using kok::dialog::MessagePage;
using kok::dialog::SettingsGroup;
using kok::settings::IniFile;
using kok::settings::IniUpdate;
using kok::skin::skinColor;

namespace {

void loadFrom(MessagePage& page, const std::string& text) {
    const kok::test::TempDir dir;
    kok::test::writeBytes(dir / "kOkTD.KiF", text);
    IniFile(dir / "kOkTD.KiF").update([&](IniUpdate& file) {
        page.load(file, SettingsGroup::Main);
        page.load(file, SettingsGroup::Message);
    });
}

std::string savedText(const MessagePage& page) {
    const kok::test::TempDir dir;
    IniFile(dir / "kOkTD.KiF").update([&](IniUpdate& file) {
        page.save(file, SettingsGroup::Main);
        page.save(file, SettingsGroup::Message);
    });
    return kok::test::readBytes(dir / "kOkTD.KiF");
}

QColor colorOf(QWidget& w, QPalette::ColorRole role) {
    return w.palette().color(role);
}

} // namespace

class MessagePageTest : public QObject {
    Q_OBJECT

  private slots:
    // Steps: a radio's name is a click on it, "size=N" moves the size arrows.
    void placementRule_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("fontRadio");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("height"); // "screen": the screen's height
        QTest::addColumn<bool>("heightEditable");
        QTest::addColumn<bool>("fontChoice");
        QTest::newRow("as built") << QStringList{} << "o_smallfonts"
                                  << "7"
                                  << "18" << true << true;
        QTest::newRow("centre") << QStringList{"o_center"} << "o_arialblack"
                                << "20"
                                << "250" << false << true;
        QTest::newRow("full") << QStringList{"o_full"} << "o_arialblack"
                              << "20"
                              << "screen" << false << false;
        QTest::newRow("full keeps its size adjustable")
            << QStringList{"o_full", "size=31"} << "o_arialblack"
            << "31"
            << "screen" << false << false;
        QTest::newRow("centre back to top")
            << QStringList{"o_center", "size=33", "o_top"} << "o_smallfonts"
            << "7"
            << "18" << true << true;
        QTest::newRow("top with Small Fonts keeps the size")
            << QStringList{"o_center", "o_smallfonts", "size=12", "o_top"} << "o_smallfonts"
            << "12"
            << "18" << true << true;
        QTest::newRow("top again changes nothing")
            << QStringList{"size=12", "o_top"} << "o_smallfonts"
            << "12"
            << "18" << true << true;
    }
    void placementRule() {
        QFETCH(QStringList, steps);
        QFETCH(QString, fontRadio);
        QFETCH(QString, size);
        QFETCH(QString, height);
        QFETCH(bool, heightEditable);
        QFETCH(bool, fontChoice);
        MessagePage page;
        for (const QString& step : steps) {
            if (step.startsWith("size="))
                part<QSpinBox>(page, "a_font")->setValue(step.mid(5).toInt());
            else
                part<QRadioButton>(page, step.toLatin1().constData())->click();
        }
        if (height == "screen")
            height = QString::number(QGuiApplication::primaryScreen()->geometry().height());
        QVERIFY(part<QRadioButton>(page, fontRadio.toLatin1().constData())->isChecked());
        QCOMPARE(part<QLineEdit>(page, "e_font")->text(), size);
        QCOMPARE(part<QLineEdit>(page, "e_height")->text(), height);
        QCOMPARE(part<QLineEdit>(page, "e_height")->isEnabled(), heightEditable);
        QCOMPARE(part<QSpinBox>(page, "a_height")->isEnabled(), heightEditable);
        QCOMPARE(part<QRadioButton>(page, "o_smallfonts")->isEnabled(), fontChoice);
        QCOMPARE(part<QRadioButton>(page, "o_arialblack")->isEnabled(), fontChoice);
    }

    void arrowsStayInRange() {
        MessagePage page;
        auto* speed = part<QSpinBox>(page, "a_speed");
        speed->stepBy(1);
        QCOMPARE(part<QLineEdit>(page, "e_speed")->text(), "300");
        speed->stepBy(100);
        QCOMPARE(part<QLineEdit>(page, "e_speed")->text(), "1000");
        speed->stepBy(1); // no wrap
        QCOMPARE(part<QLineEdit>(page, "e_speed")->text(), "1000");
        part<QSpinBox>(page, "a_height")->stepBy(-1);
        QCOMPARE(part<QLineEdit>(page, "e_height")->text(), "18");
    }

    // The stored set comes back in the key order of the file, whatever the
    // placement rule did while loading.
    void loadThenSave_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");
        const QString defaults = "[kOk:TD]\r\nWarnBeep=1\r\n"
                                 "[kOk:TD:Message]\r\natCenter=0\r\natFull=0\r\natTop=1\r\n"
                                 "Font=1\r\nSize=7\r\nHeight=18\r\nFrequency=250\r\n"
                                 "ColorBG=13145700\r\nColorFG=16777215\r\n";
        QTest::newRow("nothing stored: the dialog's defaults") << "" << defaults;
        QTest::newRow("stored values")
            << "[kOk:TD]\r\nWarnBeep=0\r\n[kOk:TD:Message]\r\natCenter=1\r\natFull=0\r\n"
               "atTop=0\r\nFont=1\r\nSize=33\r\nHeight=99\r\nFrequency=700\r\nColorBG=255\r\n"
               "ColorFG=65280\r\n"
            << "[kOk:TD]\r\nWarnBeep=0\r\n[kOk:TD:Message]\r\natCenter=1\r\natFull=0\r\n"
               "atTop=0\r\nFont=1\r\nSize=33\r\nHeight=99\r\nFrequency=700\r\nColorBG=255\r\n"
               "ColorFG=65280\r\n";
        QTest::newRow("any beep but 1 is the sound card; the last placement on wins")
            << "[kOk:TD]\r\nWarnBeep=2\r\n[kOk:TD:Message]\r\natCenter=1\r\natTop=1\r\n"
            << QString(defaults).replace("WarnBeep=1", "WarnBeep=0");
        QTest::newRow("no placement on")
            << "[kOk:TD:Message]\r\natTop=0\r\nFont=0\r\n"
            << QString(defaults).replace("atTop=1", "atTop=0").replace("Font=1", "Font=0");
    }
    void loadThenSave() {
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        MessagePage page;
        part<QRadioButton>(page, "o_full")->click(); // what the page showed before
        loadFrom(page, stored.toStdString());
        QCOMPARE(QString::fromStdString(savedText(page)), saved);
    }

    void previewShowsTheLoadedColours() {
        MessagePage page;
        loadFrom(page, "[kOk:TD:Message]\r\nColorBG=255\r\nColorFG=16711680\r\n");
        const QColor red(255, 0, 0), blue(0, 0, 255);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_preview"), QPalette::Window), red);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_preview"), QPalette::WindowText), blue);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_color1"), QPalette::Window), red);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_color1"), QPalette::WindowText), blue);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_color2"), QPalette::Window), blue);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_color2"), QPalette::WindowText), red);
    }

    void choosingColours() {
        MessagePage page;
        const QColor background = skinColor(13145700);
        const QColor text = Qt::white;
        const QColor green(0, 128, 0);
        kok::test::MessageCatcher catcher;

        catcher.nextColor(background); // the text in the background's colour
        part<QPushButton>(page, "b_color2")->click();
        QCOMPARE(catcher.texts, QStringList{"Использование одного и того же цвета\n"
                                            "для цветов фона и текста недопустимо."});
        QCOMPARE(colorOf(*part<QLabel>(page, "p_preview"), QPalette::WindowText), text);

        catcher.nextColor(std::nullopt); // cancelled
        part<QPushButton>(page, "b_color1")->click();
        catcher.nextColor(green); // a click on the swatch chooses too
        QTest::mouseClick(part<QLabel>(page, "p_color1"), Qt::LeftButton);
        QList<QColor> offered;
        for (const kok::test::Asked& asked : catcher.asked)
            if (asked.kind == "colour") offered << QColor(asked.text);
        QCOMPARE(offered, (QList<QColor>{text, background, background}));
        QCOMPARE(colorOf(*part<QLabel>(page, "p_preview"), QPalette::Window), green);
        QCOMPARE(colorOf(*part<QLabel>(page, "p_color2"), QPalette::WindowText), green);
        QCOMPARE(catcher.texts.size(), 1);
        QVERIFY(
            QString::fromStdString(savedText(page)).contains("ColorBG=32768\r\nColorFG=16777215"));
    }
};

KOK_QT_TEST(MessagePageTest);
#include "message_page_test.moc"
