// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>

class QSocketNotifier;

namespace kok::platform {

// A one-shot timer that the kernel keeps to the microsecond. Qt's timers wait
// in whole milliseconds counted from whenever the event loop last went to
// sleep, so one aimed just past a second boundary fires up to two milliseconds
// after it; the clock's shown second should change with the wall clock's.
// Timers armed for the same instant wake the program once.
class TickTimer : public QObject {
    Q_OBJECT

  public:
    explicit TickTimer(QObject* parent = nullptr);
    ~TickTimer() override;

    void start(std::chrono::microseconds delay);
    void stop();
    bool isActive() const { return active_; }
    // The delay of the latest start.
    std::chrono::microseconds delay() const { return delay_; }

  signals:
    void timeout();

  private:
    void expired();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool active_ = false;
    std::chrono::microseconds delay_{0};
};

} // namespace kok::platform
