// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTimer;

namespace kok::signal {

// The 60-second warning lock. A pre-warning or a firing switches it on; while
// it is on no other pre-warning sounds, and a bar dismissed within it moves
// the next alarm check past the minute. One object, owned by the Clock
// window's form and handed to the parts that start or ask it.
class WarningLock : public QObject {
    Q_OBJECT

  public:
    // The lock and its timer are both named `tt_locker`, so that tests find
    // the timer among the window's other timers.
    explicit WarningLock(QObject* parent);

    // Switches the lock on; one that is on already keeps its course.
    void start();
    // Starts the 60 seconds afresh.
    void restart();
    bool running() const;

  private:
    QTimer* tt_locker_;
};

} // namespace kok::signal
