// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings dialog as a user meets it: the time from a double click on the
// clock face to the dialog's first paint (the first opening builds the pages),
// the same for later openings, and the time OK takes (saving every page in one
// update of the Settings file, hiding, and the clock's reload). Runs on the
// display it is given (bench/dialog.sh starts an Xvfb).
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "clock/clock_window.h"
#include "dialog/settings_dialog.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "support/composed_clock.h"

namespace {

// Notes the first paint of a widget after it is armed.
double msSince(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && armed) {
            armed = false;
            painted = true;
        }
        if (e->type() == QEvent::Hide && hideClock) hiddenAfterMs = msSince(*hideClock);
        return false;
    }
    bool armed = false;
    bool painted = false;
    const QElapsedTimer* hideClock = nullptr; // OK hides the dialog once it has saved
    double hiddenAfterMs = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A Settings file with all ten alarms set, as a long-time user has it.
std::string usedSettings() {
    std::string s = "[kOk:TD]\r\nPosX=300\r\nPosY=200\r\n[kOk:TD:Alarms]\r\nAccuracy=1\r\n";
    for (int slot = 0; slot < 10; ++slot) {
        const std::string n = std::to_string(slot);
        s += n + "_Use=1\r\n" + n + "_Hour=" + std::to_string(6 + slot) + "\r\n" + n +
             "_Message=Alarm number " + n + "\r\n";
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const kok::platform::ProgramDirOverride programFolder(folder.path().toStdString());
    kok::platform::writeFileAtomically(
        std::filesystem::path(folder.path().toStdString()) / "kOkTD.KiF", usedSettings());

    kok::test::ComposedClock clock("");
    kok::dialog::SettingsDialog dialog(clock);
    clock.setSettingsDialog(&dialog);
    clock.show();
    while (!clock.isVisible() || !clock.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The skin-choice lock keeps OK off for six seconds after start.
    for (int i = 0; i < 6; ++i) {
        if (!QMetaObject::invokeMethod(&dialog, "tt_lockerTimer")) {
            std::fprintf(stderr, "the dialog has no tt_lockerTimer\n");
            return 1;
        }
    }

    PaintWatch watch;
    dialog.installEventFilter(&watch);
    auto* ok = dialog.findChild<QPushButton*>("c_ok");
    QWidget* face = clock.findChild<QWidget*>("t_time");
    const QPoint at(5, 5);

    std::vector<double> opens, saves, oks;
    for (int round = 0; round < 11; ++round) {
        watch.armed = true;
        watch.painted = false;
        QElapsedTimer t;
        t.start();
        QMouseEvent press(QEvent::MouseButtonDblClick, at, face->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(face, &press);
        while (!watch.painted && t.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        opens.push_back(msSince(t));

        t.restart();
        watch.hideClock = &t;
        ok->click();
        oks.push_back(msSince(t));
        saves.push_back(watch.hiddenAfterMs);
        watch.hideClock = nullptr;
        QApplication::processEvents();
    }
    std::printf("dialog first opening (double click to painted): %.1f ms\n", opens.front());
    std::printf("dialog later openings, median of %zu:           %.1f ms\n", opens.size() - 1,
                median({opens.begin() + 1, opens.end()}));
    std::printf("OK's save (click to hidden), median of %zu:      %.1f ms\n", saves.size(),
                median(saves));
    std::printf("OK with the clock's reload, median of %zu:       %.1f ms\n", oks.size(),
                median(oks));
    return 0;
}
