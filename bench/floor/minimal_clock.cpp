// The floor for start-up figures: the least a Qt frameless, always-on-top
// clock can be, linked the same way as the real one (Widgets and Multimedia).
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
    auto tick = [&] { clock.setText(QTime::currentTime().toString("hh:mm:ss")); };
    tick();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, tick);
    timer.start(1000);
    clock.show();
    return app.exec();
}
