#include "signals/voice_pack.h"

#include <QResource>
#include <QString>
#include <set>

#include "platform/paths.h"
#include "signals/wave_playback.h"

namespace kok::signal {

bool openVoicePack(const std::string& file) {
    static std::set<std::string> opened;
    if (opened.count(file)) return true;
    if (!QResource::registerResource(QString::fromStdString(file))) return false;
    opened.insert(file);
    return true;
}

std::shared_ptr<const platform::PcmClip> voiceClip(const std::string& name) {
    const auto pack = platform::executableDir() / kVoicePackFileName;
    if (!openVoicePack(pack.string())) return nullptr;
    return loadWave(":/kOkvoice/" + name);
}

} // namespace kok::signal
