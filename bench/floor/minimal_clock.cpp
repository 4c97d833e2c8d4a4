// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up and tick-lag figures: the least a Qt frameless,
// always-on-top clock can be, linked the same way as the real one (Widgets and
// Multimedia), whose second changes with the wall clock's.
#include <QApplication>
#include <QLabel>
#include <QMediaDevices>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    (void)&QMediaDevices::defaultAudioOutput; // keep Qt Multimedia linked and loaded
    QLabel clock;
    clock.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    clock.setAlignment(Qt::AlignCenter);
    clock.resize(125, 28);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    auto tick = [&] {
        const QTime now = QTime::currentTime();
        clock.setText(now.toString("hh:mm:ss"));
        timer.start(1000 - now.msec()); // the next second's start
    };
    tick();
    QObject::connect(&timer, &QTimer::timeout, tick);
    clock.show();
    return app.exec();
}
