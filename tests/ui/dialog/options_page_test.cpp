// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

#include "dialog/clock_link.h"
#include "dialog/dialog_font.h"
#include "dialog/options_page.h"
#include "platform/paths.h"
#include "platform/run_key_store.h"
#include "settings/autostart.h"
#include "settings/ini_file.h"
#include "signals/voice_pack.h"
#include "support/form_part.h"
#include "support/message_catcher.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "ui/dialog/fake_clock_link.h"

using kok::dialog::InvalidField;
using kok::dialog::OptionsPage;
using kok::dialog::SettingsGroup;
using kok::settings::IniFile;
using kok::settings::IniUpdate;

namespace {

// A Run key that cannot be written.
class RefusingStore final : public kok::platform::RunKeyStore {
  public:
    bool exists(std::string_view) const override { return false; }
    std::string read(std::string_view) const override { throw std::runtime_error("refused"); }
    void write(std::string_view, std::string_view) override { throw std::runtime_error("refused"); }
    void remove(std::string_view) override { throw std::runtime_error("refused"); }
};

constexpr SettingsGroup kGroups[] = {SettingsGroup::Main, SettingsGroup::Hour,
                                     SettingsGroup::Indicator};

// The section headers and key=value lines of a file, in file order.
QStringList entries(const std::filesystem::path& path) {
    QStringList lines = QString::fromStdString(kok::test::readBytes(path)).split("\r\n");
    lines.removeAll(QString());
    return lines;
}

// The room a control needs to show its caption whole.
QSize neededSize(const QWidget* w) {
    // The style's least width of a push button is more than its caption needs.
    if (auto* b = qobject_cast<const QPushButton*>(w))
        return {b->fontMetrics().horizontalAdvance(b->text()) + 8, b->fontMetrics().height()};
    const int text = w->fontMetrics().height();
    if (qobject_cast<const QCheckBox*>(w))
        return {w->sizeHint().width(),
                std::max(text, w->style()->pixelMetric(QStyle::PM_IndicatorHeight))};
    if (qobject_cast<const QRadioButton*>(w))
        return {w->sizeHint().width(),
                std::max(text, w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight))};
    if (qobject_cast<const QLabel*>(w)) return w->sizeHint();
    return {0, text};
}

} // namespace

class OptionsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<kok::test::ProgramFolder> folder;
    std::unique_ptr<kok::platform::XdgAutostartStore> store;
    kok::test::FakeClockLink clock;

    std::filesystem::path settingsPath() const { return folder->path() / "kOkTD.KiF"; }

    void writeSettings(const std::string& text) { kok::test::writeBytes(settingsPath(), text); }

    void loadAll(OptionsPage& page) {
        const IniUpdate file = IniFile(settingsPath()).snapshot();
        for (SettingsGroup g : kGroups)
            page.load(file, g);
    }

    void withVoicePack(bool present) {
        const auto dll = kok::platform::executableDir() / kok::signal::kVoicePackFileName;
        if (present)
            kok::test::writeBytes(dll, "");
        else
            std::filesystem::remove(dll);
    }

  private slots:
    void init() {
        folder = std::make_unique<kok::test::ProgramFolder>();
        store = std::make_unique<kok::platform::XdgAutostartStore>(folder->path() / "autostart");
        clock = kok::test::FakeClockLink{};
    }
    void cleanup() {
        store.reset();
        folder.reset();
    }

    void loadShowsTheFileAndSaveWritesItBack() {
        writeSettings(
            "[kOk:TD]\r\nPosX=120\r\nPosY=-5\r\nPriority=1\r\nNotify=0\r\n"
            "[kOk:TD:Hour]\r\nUse=1\r\nVoice=0\r\nWave=1\r\nBeep=1\r\nFile=C:\\a b.wav\r\n"
            "[kOk:TD:Indicator]\r\nSystemTime=0\r\nasZero=1\r\nasNone=1\r\nasNull=0\r\n");
        OptionsPage page(clock, nullptr, store.get());
        loadAll(page);

        QCOMPARE(part<QLineEdit>(page, "e_xx")->text(), "120");
        QCOMPARE(part<QLineEdit>(page, "e_yy")->text(), "-5");
        QCOMPARE(clock.position, QPoint(120, -5)); // loading moves the clock
        QCOMPARE(part<QSpinBox>(page, "a_yy")->value(), -5);
        QVERIFY(part<QCheckBox>(page, "o_priority")->isChecked());
        QVERIFY(!part<QCheckBox>(page, "o_notify")->isChecked());
        QVERIFY(part<QCheckBox>(page, "o_desktops")->isChecked()); // missing: every workspace
        QVERIFY(part<QCheckBox>(page, "o_hour")->isChecked());
        QVERIFY(part<QRadioButton>(page, "o_hour_pc")->isChecked()); // Beep loads after Wave
        QVERIFY(!part<QRadioButton>(page, "o_hour_snd")->isChecked());
        QCOMPARE(part<QLineEdit>(page, "e_snd")->text(), "C:\\a b.wav");
        QVERIFY(!part<QCheckBox>(page, "o_system")->isChecked()); // ticked in the form
        QVERIFY(part<QRadioButton>(page, "o_none")->isChecked());
        QVERIFY(!part<QRadioButton>(page, "o_zero")->isChecked());
        QVERIFY(!part<QRadioButton>(page, "o_null")->isChecked());

        std::filesystem::remove(settingsPath());
        IniFile(settingsPath()).update([&](IniUpdate& u) {
            for (SettingsGroup g : kGroups)
                page.save(u, g);
        });
        QCOMPARE(entries(settingsPath()),
                 QStringList({"[kOk:TD]", "PosX=120", "PosY=-5", "Priority=1", "AllDesktops=1",
                              "Notify=0", "[kOk:TD:Hour]", "Use=1", "Voice=0", "Wave=0", "Sound=0",
                              "Beep=1", "File=C:\\a b.wav", "[kOk:TD:Indicator]", "SystemTime=0",
                              "asZero=0", "asNone=1", "asNull=0"}));

        // A field that somehow holds no integer cancels the save.
        {
            const QSignalBlocker quiet(part<QLineEdit>(page, "e_yy"));
            part<QLineEdit>(page, "e_yy")->setText("12a");
        }
        IniUpdate u = IniFile(settingsPath()).snapshot();
        QVERIFY_THROWS_EXCEPTION(InvalidField, page.save(u, SettingsGroup::Main));
    }

    // The chime's file field opens on the short chime sound when the file
    // names none (never the alarms' long rising one); a stored name stays.
    void chimeFileDefaultIsTheShortChime() {
        const std::pair<std::string, QString> cases[] = {
            {"[kOk:TD:Hour]\r\nUse=1\r\nWave=1\r\n", "MEDIA\\NOTIFY.wAv"},
            {"", "MEDIA\\NOTIFY.wAv"},
            {"[kOk:TD:Hour]\r\nFile=MEDIA\\LOGOFF.wAv\r\n", "MEDIA\\LOGOFF.wAv"},
        };
        for (const auto& [text, shown] : cases) {
            writeSettings(text);
            OptionsPage page(clock, nullptr, store.get());
            loadAll(page);
            QCOMPARE(part<QLineEdit>(page, "e_snd")->text(), shown);
        }
    }

    // Turning a radio on turns the others off; turning one off leaves the
    // rest, so the last kind at 1 wins and with none at 1 none is shown.
    void chimeRadiosFollowTheLoadOrder_data() {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("missing keys") << ""
                                      << "o_hour_pc";
        QTest::newRow("voice then wave") << "Voice=1\r\nWave=1\r\nBeep=0"
                                         << "o_hour_snd";
        QTest::newRow("voice then sound") << "Voice=1\r\nSound=1\r\nBeep=0"
                                          << "o_hour_sb";
        QTest::newRow("voice alone") << "Voice=1\r\nBeep=0"
                                     << "o_hour_say";
        QTest::newRow("none") << "Beep=0"
                              << "";
    }
    void chimeRadiosFollowTheLoadOrder() {
        QFETCH(QString, hour);
        QFETCH(QString, chosen);
        OptionsPage page(clock, nullptr, store.get());
        loadAll(page); // the defaults choose the PC speaker first
        writeSettings("[kOk:TD:Hour]\r\n" + hour.toStdString() + "\r\n");
        loadAll(page);
        QStringList on;
        for (const char* name : {"o_hour_pc", "o_hour_sb", "o_hour_snd", "o_hour_say"})
            if (part<QRadioButton>(page, name)->isChecked()) on << name;
        QCOMPARE(on.join(' '), chosen);
        // Missing indicator keys choose the empty text.
        QVERIFY(part<QRadioButton>(page, "o_null")->isChecked());
    }

    void positionFieldsMoveTheClock() {
        OptionsPage page(clock, nullptr, store.get());
        auto* x = part<QLineEdit>(page, "e_xx");
        auto* y = part<QLineEdit>(page, "e_yy");
        x->setText("300");
        QCOMPARE(clock.position, QPoint(300, 30));
        QCOMPARE(part<QSpinBox>(page, "a_xx")->value(), 300);

        for (const char* typed : {"abc", "", "12a", "-", "99999999999"}) {
            const int moves = clock.moves;
            x->setText(typed);
            QCOMPARE(x->text(), "300");
            QCOMPARE(clock.position, QPoint(300, 30));
            QVERIFY(clock.moves - moves <= 1); // at most a move onto the same place
        }

        // The arrows stop at their limits: -5 above the top, and the far edge
        // that keeps the whole clock on the screen.
        auto* ay = part<QSpinBox>(page, "a_yy");
        y->setText("-4");
        ay->stepDown();
        ay->stepDown();
        QCOMPARE(y->text(), "-5");
        QCOMPARE(clock.position, QPoint(300, -5));
        const QSize screen = QGuiApplication::primaryScreen()->size();
        auto* ax = part<QSpinBox>(page, "a_xx");
        ax->setValue(ax->maximum());
        ax->stepUp();
        QCOMPARE(x->text(), QString::number(screen.width() - 150));
        QCOMPARE(ay->maximum(), screen.height() - 60);

        // Dragging the clock shows its place in both fields.
        page.showClockPosition(QPoint(7, 8));
        QCOMPARE(x->text(), "7");
        QCOMPARE(y->text(), "8");
    }

    // Enabled controls after loading a chime kind with Use on and clicking
    // o_hour a number of times.
    void chimeControlsFollowTheChoice_data() {
        QTest::addColumn<bool>("voicePack");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("enabled");
        const QString all = "o_hour_pc o_hour_sb o_hour_snd o_hour_say e_snd t_snd b_snd";
        QTest::newRow("pack, file") << true << "Wave" << 0 << all;
        QTest::newRow("pack, speaker")
            << true << "Beep" << 0 << "o_hour_pc o_hour_sb o_hour_snd o_hour_say";
        QTest::newRow("no pack, file")
            << false << "Wave" << 0 << "o_hour_pc o_hour_snd e_snd t_snd b_snd";
        QTest::newRow("no pack, voice") << false << "Voice" << 0 << "o_hour_pc o_hour_snd";
        QTest::newRow("cleared") << true << "Wave" << 1 << "";
        QTest::newRow("ticked again, file") << true << "Wave" << 2 << all;
        QTest::newRow("ticked again, no pack") << false << "Beep" << 2 << "o_hour_pc o_hour_snd";
    }
    void chimeControlsFollowTheChoice() {
        QFETCH(bool, voicePack);
        QFETCH(QString, kind);
        QFETCH(int, clicks);
        QFETCH(QString, enabled);
        withVoicePack(voicePack);
        writeSettings("[kOk:TD:Hour]\r\nUse=1\r\n" + kind.toStdString() + "=1\r\nBeep=0\r\n");
        OptionsPage page(clock, nullptr, store.get());
        loadAll(page);
        for (int i = 0; i < clicks; ++i)
            part<QCheckBox>(page, "o_hour")->click();
        QStringList on;
        for (const char* name :
             {"o_hour_pc", "o_hour_sb", "o_hour_snd", "o_hour_say", "e_snd", "t_snd", "b_snd"})
            if (part<QWidget>(page, name)->isEnabled()) on << name;
        QCOMPARE(on.join(' '), enabled);
        QCOMPARE(part<QLabel>(page, "miniHelp")->isHidden(), voicePack);
    }

    void speechHintExplainsTheLibrary() {
        withVoicePack(false);
        OptionsPage page(clock, nullptr, store.get());
        page.show();
        kok::test::MessageCatcher catcher;
        QTest::mouseClick(part<QLabel>(page, "miniHelp"), Qt::LeftButton);
        QCOMPARE(catcher.texts.size(), 1);
        const QStringList lines = catcher.texts[0].split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], "Для активации дополнительных функций ежечасного оповещения");
        QCOMPARE(lines[1], "необходима специальная библиотека (файл «kOkvoice.dll», ~500Кб),");
        QVERIFY(lines[2].startsWith("которую можно скачать с сайта http"));
        QVERIFY(lines[2].endsWith(" ..."));
    }

    void autostartBoxWritesTheEntryAtOnce() {
        using kok::settings::kAutostartName;
        const std::string commandLine =
            kok::settings::autostartCommandLine(kok::platform::executablePath());
        OptionsPage page(clock, nullptr, store.get());
        auto* box = part<QCheckBox>(page, "o_autostart");
        loadAll(page);
        QVERIFY(!box->isChecked());
        box->click();
        QCOMPARE(store->read(kAutostartName), commandLine);
        box->click();
        QVERIFY(!store->exists(kAutostartName));

        // An entry left by the program in another folder gets the path of
        // this one when the dialog shows.
        store->write(kAutostartName, "\"/old/place/koktd\" /autorun");
        loadAll(page);
        QVERIFY(box->isChecked());
        QCOMPARE(store->read(kAutostartName), commandLine);

        // Read-only settings leave the autostart box working.
        page.enterReadOnly();
        QVERIFY(!part<QCheckBox>(page, "o_hour")->isChecked());
        for (const char* name : {"z_position", "z_hour", "z_extened", "o_priority", "o_hour",
                                 "o_system", "o_null", "o_zero", "o_none", "e_xx"})
            QVERIFY2(!part<QWidget>(page, name)->isEnabled(), name);
        box->click();
        QVERIFY(!store->exists(kAutostartName));

        RefusingStore refusing;
        OptionsPage refused(clock, nullptr, &refusing);
        auto* refusedBox = part<QCheckBox>(refused, "o_autostart");
        refusedBox->click();
        QVERIFY(!refusedBox->isChecked());
        QVERIFY(!refusedBox->isEnabled());
    }

    // With the dialog's font every control shows its whole caption, inside
    // its group, and no two controls share a pixel.
    void controlsFitThePage() {
        withVoicePack(false);
        OptionsPage page(clock, nullptr, store.get());
        page.setFont(kok::dialog::dialogFont(page.font()));
        page.resize(460, 220);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QList<QWidget*> parents = {&page, part<QWidget>(page, "z_position"),
                                         part<QWidget>(page, "z_hour"),
                                         part<QWidget>(page, "z_extened")};
        for (QWidget* parent : parents) {
            const QList<QWidget*> kids = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            const QRect room = parent->contentsRect(); // a group's leaves out its title
            if (auto* group = qobject_cast<QGroupBox*>(parent)) {
                QVERIFY2(group->fontMetrics().horizontalAdvance(group->title()) + 16 <=
                             group->width(),
                         qPrintable(group->objectName()));
            }
            for (int i = 0; i < kids.size(); ++i) {
                QWidget* w = kids[i];
                if (w->objectName().startsWith("qt_")) continue;
                const QString name = w->objectName();
                QVERIFY2(room.contains(w->geometry()), qPrintable(name));
                QVERIFY2(neededSize(w).width() <= w->width(), qPrintable(name));
                QVERIFY2(neededSize(w).height() <= w->height(), qPrintable(name));
                for (int j = i + 1; j < kids.size(); ++j)
                    QVERIFY2(!w->geometry().intersects(kids[j]->geometry()),
                             qPrintable(name + " / " + kids[j]->objectName()));
            }
        }
    }
};

KOK_QT_TEST(OptionsPageTest);
#include "options_page_test.moc"
