// SPDX-License-Identifier: GPL-3.0-or-later
#include "timers/timer_parts.h"

#include <QAction>
#include <string>

#include "face/time_text.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/tick_timer.h"
#include "platform/translate.h"
#include "settings/keys.h"

namespace kok::timers {
namespace {

constexpr std::string_view kTimersUnusable =
    QT_TRANSLATE_NOOP("Messages", "\nИспользование таймеров будет невозможно.");

} // namespace

void startTick(platform::TickTimer& timer) {
    startTick(timer, platform::clock().now());
}

void startTick(platform::TickTimer& timer, const platform::LocalTime& now) {
    timer.start(clock::untilNextTick(now));
}

void timersUnusable(QAction& m_timers) {
    m_timers.setVisible(false);
    platform::showMessage(platform::trText("Messages", settings::kWriteFailureText) +
                          platform::trText("Messages", kTimersUnusable));
}

} // namespace kok::timers
