// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "platform/wave_data.h"

namespace kok::signal {

// The voice pack: the file "kOkvoice.dll" beside the executable, a Qt binary
// resource file holding the spoken hours and the call signs as wave clips
// named "kok_...". It is opened on first use and stays open.
inline constexpr const char* kVoicePackFileName = "kOkvoice.dll";

// Opens the pack at `file` (if not yet open); false when it cannot be used.
bool openVoicePack(const std::string& file);

// A clip of the pack beside the executable; null when the pack or the clip is missing.
std::shared_ptr<const platform::PcmClip> voiceClip(const std::string& name);

} // namespace kok::signal
