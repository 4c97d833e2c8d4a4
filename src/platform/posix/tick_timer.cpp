// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tick_timer.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <system_error>
#include <unistd.h>

namespace kok::platform {
namespace {

void arm(int fd, std::chrono::microseconds delay) {
    itimerspec when{};
    when.it_value.tv_sec = delay.count() / 1000000;
    when.it_value.tv_nsec = delay.count() % 1000000 * 1000;
    ::timerfd_settime(fd, 0, &when, nullptr);
}

} // namespace

TickTimer::TickTimer(QObject* parent)
    : QObject(parent), fd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "timerfd_create");
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TickTimer::expired);
}

TickTimer::~TickTimer() {
    delete notifier_; // before its descriptor goes
    ::close(fd_);
}

void TickTimer::start(std::chrono::microseconds delay) {
    delay_ = delay;
    active_ = true;
    arm(fd_, std::max(delay, std::chrono::microseconds(1))); // a zero delay would disarm it
}

void TickTimer::stop() {
    active_ = false;
    arm(fd_, std::chrono::microseconds(0));
}

void TickTimer::expired() {
    std::uint64_t count = 0;
    // Nothing to read when a stop or a new start came after the kernel's
    // signal and before this call.
    if (::read(fd_, &count, sizeof count) != sizeof count || !active_) return;
    active_ = false;
    emit timeout();
}

} // namespace kok::platform
