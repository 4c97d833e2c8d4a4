// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through the program's real sound device, for the end-to-end sound check:
//   sound_probe beep <pattern>      a beep pattern, returns when it has ended
//   sound_probe wave <path> <ms>    a wave file (path as the settings write it), then waits
//   sound_probe warn                the pre-warning signal, as the settings beside it choose
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "signals/sound.h"
#include "signals/warn_signal.h"
#include "signals/wave_playback.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "beep") == 0) {
        kok::signal::PlayBeepType(std::atoi(argv[2]));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "wave") == 0) {
        kok::signal::PlayWaveFile(argv[2], false);
        kok::signal::WaitMs(std::atoi(argv[3]));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "warn") == 0) {
        kok::signal::PlayWarnSignal([] {}, [] {});
        kok::signal::WaitMs(300); // the cut-off clip must have ended before we go
        return 0;
    }
    std::fprintf(stderr, "usage: sound_probe beep <pattern> | wave <path> <ms> | warn\n");
    return 2;
}
