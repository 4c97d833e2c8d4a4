// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/wave_data.h"

namespace kok::platform {

// A sound setting may name any file: one larger than this is not read at all,
// so that it can neither stall the clock nor fill its memory.
inline constexpr std::size_t kMaxSoundFileBytes = 64 * 1024 * 1024;

// Decodes a sound file held in memory: WAV in every encoding Windows plays
// (PCM, float, u-law, A-law, IMA and MS ADPCM, GSM 6.10), FLAC, Ogg Vorbis and
// Opus, and whatever else libsndfile reads. Sources of up to 16 bits become
// S16, wider and lossy ones F32; rate and channels stay. A file that is too
// large, unreadable or holds no sound yields nothing.
std::optional<PcmClip> decodeSoundFile(std::span<const std::uint8_t> file);

} // namespace kok::platform
