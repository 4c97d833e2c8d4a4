// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the firing's call to a placed Message bar, for each placement, on
// the screen the program runs on (bench/message_bar.sh uses 1920 x 1080).
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "clock/clock_window.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "signals/message_bar.h"
#include "support/clock_window_inside.h"
#include "support/composed_clock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const kok::platform::ProgramDirOverride programFolder(folder.path().toStdString());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const std::pair<const char*, const char*> placements[] = {
        {"top strip", "atTop=1"}, {"centre strip", "atCenter=1"}, {"full screen", "atFull=1"}};
    for (const auto& [name, key] : placements) {
        kok::platform::writeFileAtomically(std::filesystem::path(folder.path().toStdString()) /
                                               "kOkTD.KiF",
                                           std::string("[kOk:TD:Message]\r\n") + key + "\r\n");
        kok::test::ComposedClock w("");
        w.show();
        QElapsedTimer elapsed;
        elapsed.start();
        kok::test::inside(w).messageBar().ShowMessageBar(0);
        std::printf("%-13s on %dx%d: placed in %lld ms\n", name, screen.width(), screen.height(),
                    static_cast<long long>(elapsed.elapsed()));
    }
    return 0;
}
