// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/wave_playback.h"

#include <QCoreApplication>
#include <QFile>
#include <QThreadPool>
#include <cstdint>
#include <system_error>
#include <utility>

#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/qt_text.h"
#include "platform/sound_device.h"
#include "platform/sound_file.h"
#include "platform/sound_path.h"

namespace kok::signal {
namespace {

std::shared_ptr<const platform::PcmClip> loadOnce(const char* resource) {
    auto clip = loadWave(resource);
    return clip ? clip : std::make_shared<const platform::PcmClip>();
}

// The sound started last, on the thread that plays sounds (the program's
// main thread). A file decoded on a worker starts only if no other sound was
// started or stopped after it was asked for.
struct Playing {
    std::uint64_t generation = 0;
    bool decoding = false; // the last request is a file still being decoded
};

Playing& playing() {
    static Playing p;
    return p;
}

WaveDecoder& decoder() {
    static WaveDecoder d = [](const std::string& path) { return loadWave(path); };
    return d;
}

void startDecoded(std::uint64_t generation, std::shared_ptr<const platform::PcmClip> clip,
                  bool loop) {
    Playing& p = playing();
    if (p.generation != generation) return; // another sound came first
    p.decoding = false;
    platform::soundDevice().startClip(clip ? std::move(clip) : embeddedClip(EmbeddedClip::Default),
                                      loop);
}

bool tooLarge(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    return !ec && size > platform::kMaxSoundFileBytes;
}

} // namespace

std::shared_ptr<const platform::PcmClip> loadWave(const std::string& path) {
    // Clips built into the program come from its resources; a file on disk
    // goes through the common reader, which refuses a pipe or a device.
    std::optional<std::string> bytes;
    if (path.starts_with(":/")) {
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::ReadOnly)) bytes = file.readAll().toStdString();
    } else {
        bytes = platform::readWholeFile(path, platform::kMaxSoundFileBytes);
    }
    if (!bytes) return nullptr;
    auto clip = platform::decodeSoundFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
    if (!clip) return nullptr;
    return std::make_shared<const platform::PcmClip>(std::move(*clip));
}

std::shared_ptr<const platform::PcmClip> embeddedClip(EmbeddedClip which) {
    // Built into the program, they never change: read each once.
    static const auto pre = loadOnce(":/sounds/pre.wav");
    static const auto silence = loadOnce(":/sounds/silence.wav");
    static const auto fallback = loadOnce(":/sounds/default.wav");
    switch (which) {
    case EmbeddedClip::Pre:
        return pre;
    case EmbeddedClip::Silence:
        return silence;
    case EmbeddedClip::Default:
        return fallback;
    }
    return fallback;
}

void PlayClip(std::shared_ptr<const platform::PcmClip> clip, bool loop, bool noStop) {
    platform::SoundDevice& device = platform::soundDevice();
    Playing& p = playing();
    if (noStop && (p.decoding || device.clipPlaying())) return;
    ++p.generation;
    p.decoding = false;
    device.startClip(std::move(clip), loop);
}

WaveStart PlayWaveFile(std::string_view path, bool loop, bool noStop) {
    const std::filesystem::path file = platform::resolveSoundPath(path, platform::executableDir());
    if (file.empty() || tooLarge(file)) {
        if (noStop && (playing().decoding || platform::soundDevice().clipPlaying()))
            return WaveStart::Skipped;
        PlayClip(embeddedClip(EmbeddedClip::Default), loop);
        return file.empty() ? WaveStart::Started : WaveStart::TooLarge;
    }
    Playing& p = playing();
    if (noStop && (p.decoding || platform::soundDevice().clipPlaying())) return WaveStart::Skipped;
    const std::uint64_t generation = ++p.generation;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        p.decoding = true;
        startDecoded(generation, decoder()(file.string()), loop);
        return WaveStart::Started;
    }
    // The main thread keeps ticking while a large file is read and decoded;
    // the clip is handed back to it to start.
    p.decoding = true;
    QThreadPool::globalInstance()->start([app, generation, loop, decode = decoder(),
                                          name = file.string()] {
        auto clip = decode(name);
        QMetaObject::invokeMethod(
            app,
            [generation, loop, clip = std::move(clip)] { startDecoded(generation, clip, loop); },
            Qt::QueuedConnection);
    });
    return WaveStart::Started;
}

void StopSound() {
    PlayClip(embeddedClip(EmbeddedClip::Silence), false);
}

std::string waveFileRefusal(std::string_view path) {
    const std::filesystem::path file = platform::resolveSoundPath(path, platform::executableDir());
    if (file.empty() || !tooLarge(file)) return {};
    return QCoreApplication::translate(
               "WavePlayback",
               "Файл «%1» больше %2 МБ: звуковые файлы такого размера не проигрываются.")
        .arg(platform::qText(file.string()))
        .arg(platform::kMaxSoundFileBytes / (1024 * 1024))
        .toStdString();
}

WaveDecoderOverride::WaveDecoderOverride(WaveDecoder decoder_)
    : previous_(std::exchange(decoder(), std::move(decoder_))) {}

WaveDecoderOverride::~WaveDecoderOverride() {
    decoder() = std::move(previous_);
}

} // namespace kok::signal
