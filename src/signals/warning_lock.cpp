// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/warning_lock.h"

#include <QTimer>

namespace kok::signal {

WarningLock::WarningLock(QObject* parent) : QObject(parent), tt_locker_(new QTimer(this)) {
    setObjectName("tt_locker");
    tt_locker_->setObjectName("tt_locker");
    tt_locker_->setInterval(60000);
    // The lock ends when its minute is over.
    tt_locker_->setSingleShot(true);
}

void WarningLock::start() {
    if (!tt_locker_->isActive()) tt_locker_->start();
}

void WarningLock::restart() {
    tt_locker_->start();
}

bool WarningLock::running() const {
    return tt_locker_->isActive();
}

} // namespace kok::signal
