// SPDX-License-Identifier: GPL-3.0-or-later
// The window is a front of the clock's commands: every menu item and skin
// button whose work belongs to a part sends one command, and nothing else.
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QtTest>
#include <string>

#include "app/clock_composition.h"
#include "clock/clock_window.h"
#include "clock/image_button.h"
#include "support/form_part.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"
#include "support/recording_commands.h"

using kok::clock::ImageButton;
using Section = kok::face::SettingsView::Section;

namespace {

// The window with its parts, its fronts sending to `sent`.
class RoutedClock : public kok::clock::ClockWindow {
  public:
    explicit RoutedClock(kok::test::RecordingCommands& sent)
        : ClockWindow(QString()), parts_(*this, &sent) {}

  private:
    kok::app::ClockComposition parts_;
};

void doubleClick(QWidget* w) {
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

std::string section(Section s) {
    return "settings " + std::to_string(int(s));
}

} // namespace

class MenuCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyItemAndButtonSendsItsCommand() {
        kok::test::ProgramFolder folder;
        kok::test::RecordingCommands sent;
        RoutedClock w(sent);
        w.setSettingsDialog(nullptr);
        w.show();
        enum How { Item, Click, DoubleClick };
        const struct {
            const char* name;
            How how;
            std::string expected;
        } cases[] = {
            {"ma_0", Item, "alarm 0 on"},
            {"ma_7", Item, "alarm 7 on"},
            {"ma_7", Item, "alarm 7 off"},
            {"mt_start_cdn", Item, "countdown 0"},
            {"mt_start_tmr", Item, "stopwatch toggle"},
            {"mt_mode_stop", Item, "button start/stop"},
            {"mt_mode_pause", Item, "button pause/resume"},
            {"m_hide_10", Item, "hide 10"},
            {"m_hide_60", Item, "hide 60"},
            {"m_settings", Item, section(Section::Options)},
            {"m_skin", Item, section(Section::Skins)},
            {"ma_settings", Item, section(Section::Alarm)},
            {"mt_settings_cdn", Item, section(Section::Countdown)},
            {"mt_settings_tmr", Item, section(Section::Timer)},
            {"m_info", Item, section(Section::Info)},
            {"m_system", Item, "settings changed"},
            {"m_reboot", Item, "restart"},
            {"m_close", Item, "quit"},
            {"i_settings", Click, section(Section::Options)},
            {"i_close", Click, "quit"},
            {"i_timer", Click, "stopwatch click"},
            {"i_timer", DoubleClick, "stopwatch toggle"},
        };
        for (const auto& c : cases) {
            sent.calls.clear();
            if (c.how == Item)
                part<QAction>(w, c.name)->trigger();
            else if (c.how == Click)
                part<ImageButton>(w, c.name)->press();
            else
                doubleClick(part<ImageButton>(w, c.name));
            std::string got;
            for (const std::string& call : sent.calls)
                got += (got.empty() ? "" : ", ") + call;
            QVERIFY2(got == c.expected, (std::string(c.name) + " sent: " + got).c_str());
        }
    }
};

KOK_QT_TEST(MenuCommandsTest);
#include "menu_commands_test.moc"
