// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/sound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

#include "platform/sound_device.h"
#include "signals/tone_synth.h"

namespace kok::signal {
namespace {

// The system's tone call takes 37..32767 Hz and ignores anything else.
constexpr unsigned kSystemToneMinHz = 37;
constexpr unsigned kSystemToneMaxHz = 32767;
constexpr int kEventWaitThresholdMs = 1000;

void systemTone(std::uint16_t frequency, int durationMs) {
    if (durationMs <= 0 || frequency < kSystemToneMinHz || frequency > kSystemToneMaxHz) return;
    const auto samples = synthesiseTone(frequency, durationMs);
    platform::soundDevice().playTone(samples, kToneSampleRate);
}

} // namespace

void PlayTone(std::uint16_t frequency, int durationMs) {
    if (durationMs < -1) durationMs = 0;
    // A never-ending tone (-1) has no caller and no sensible form here.
    systemTone(frequency, durationMs);
}

void WaitMs(int ms) {
    if (ms <= 0) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    if (ms > kEventWaitThresholdMs && QCoreApplication::instance()) {
        // Timers and input keep being handled while we wait.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(ms);
        loop.exec();
    }
    // A nested handler may have held us past the end; a short wait sleeps here.
    std::this_thread::sleep_until(until);
}

std::vector<BeepStep> beepSequence(int type) {
    std::vector<BeepStep> steps;
    switch (type) {
    case 1:
        steps = {{1000, 750}};
        break;
    case 2:
        steps = {{2000, 150}, {0, 25}, {3000, 300}};
        break;
    case 3:
        for (int i = 0; i < 3; ++i)
            steps.insert(steps.end(), {{100, 500}, {0, 250}});
        break;
    case 4:
        for (int i = 0; i < 4; ++i)
            steps.insert(steps.end(), {{2000, 125}, {0, 25}});
        break;
    default:
        break;
    }
    return steps;
}

void PlaySteps(const std::vector<BeepStep>& steps) {
    // The steps go out as one stream, so that pauses last exactly as long as
    // written instead of growing by a stream start each. Callers only pass
    // pauses well under a second, which hold the caller as the tones do, so
    // they see no difference.
    std::vector<std::int16_t> samples;
    for (const BeepStep& step : steps) {
        if (step.frequency) {
            const auto tone = synthesiseTone(step.frequency, step.durationMs);
            samples.insert(samples.end(), tone.begin(), tone.end());
        } else {
            samples.resize(samples.size() + std::size_t(step.durationMs) * kToneSampleRate / 1000);
        }
    }
    if (!samples.empty()) platform::soundDevice().playTone(samples, kToneSampleRate);
}

void PlayBeepType(int type) {
    PlaySteps(beepSequence(type));
}

} // namespace kok::signal
