// SPDX-License-Identifier: GPL-3.0-or-later
#include "signals/voice_pack.h"

#include <QResource>
#include <QString>
#include <set>

#include "platform/file_io.h"
#include "platform/paths.h"
#include "signals/wave_playback.h"

namespace kok::signal {
namespace {

// The pack built here is under 1 MB; a bigger one is no pack of ours.
constexpr std::size_t kMaxVoicePackBytes = 64 * 1024 * 1024;

} // namespace

bool openVoicePack(const std::string& file) {
    static std::set<std::string> opened;
    if (opened.count(file)) return true;
    // Qt would open a pipe or a device in the pack's place and wait on it for
    // ever: the common reader refuses those first.
    if (!platform::readWholeFile(file, kMaxVoicePackBytes) ||
        !QResource::registerResource(QString::fromStdString(file)))
        return false;
    opened.insert(file);
    return true;
}

std::shared_ptr<const platform::PcmClip> voiceClip(const std::string& name) {
    const auto pack = platform::executableDir() / kVoicePackFileName;
    if (!openVoicePack(pack.string())) return nullptr;
    return loadWave(":/kOkvoice/" + name);
}

} // namespace kok::signal
