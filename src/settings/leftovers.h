// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace kok::settings {

// Whether `fileName` is one of the temporary files the program writes before
// it renames them over its own files in its folder (".kOkTD.KiF.a1B2c3").
// One that is there when the program starts was left by a crash or a power
// loss. So were the Alarm working copy "kOkTD.tmp", which lives only while
// the dialog shows, and "mask.tmp" and "kOkTD.ksf", which earlier versions
// wrote while loading a built-in skin.
bool isOwnLeftover(std::string_view fileName);

// Deletes such leftovers from `dir` and returns how many. Only for the one
// running instance: another one may be writing a temporary file right now.
int removeOwnLeftovers(const std::filesystem::path& dir);

} // namespace kok::settings
