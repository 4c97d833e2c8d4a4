// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/wave_playback.h"

#include <QFile>

#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "platform/sound_file.h"
#include "platform/sound_path.h"

namespace kok::signal {
namespace {

std::shared_ptr<const platform::PcmClip> loadOnce(const char* resource) {
    auto clip = loadWave(resource);
    return clip ? clip : std::make_shared<const platform::PcmClip>();
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
    if (noStop && device.clipPlaying()) return;
    device.startClip(std::move(clip), loop);
}

void PlayWaveFile(std::string_view path, bool loop, bool noStop) {
    std::shared_ptr<const platform::PcmClip> clip;
    const std::filesystem::path file = platform::resolveSoundPath(path, platform::executableDir());
    if (!file.empty()) clip = loadWave(file.string());
    if (!clip) clip = embeddedClip(EmbeddedClip::Default);
    PlayClip(std::move(clip), loop, noStop);
}

void StopSound() {
    PlayClip(embeddedClip(EmbeddedClip::Silence), false);
}

} // namespace kok::signal
