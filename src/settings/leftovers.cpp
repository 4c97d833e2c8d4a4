// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/leftovers.h"

#include <algorithm>
#include <array>

#include "platform/file_io.h"
#include "settings/keys.h"

namespace kok::settings {
namespace {

// The files the program replaces through a temporary file in its folder.
constexpr std::array kWrittenFiles{kSettingsFileName, kAlarmWorkingCopyName, kTimerStateFileName,
                                   kMaskTempFileName, kSkinDescriptionTempFileName};
// Files that live only while an instance runs: the Alarm working copy, kept
// while the dialog shows, and those that earlier versions wrote while loading
// a built-in skin and removed again. A crash could leave them behind.
constexpr std::array kWholeTemporaries{kAlarmWorkingCopyName, kMaskTempFileName,
                                       kSkinDescriptionTempFileName};

// What mkstemp puts in place of "XXXXXX".
bool isTemporarySuffix(std::string_view s) {
    return s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

} // namespace

bool isOwnLeftover(std::string_view fileName) {
    if (std::find(kWholeTemporaries.begin(), kWholeTemporaries.end(), fileName) !=
        kWholeTemporaries.end())
        return true;
    if (!fileName.starts_with('.')) return false;
    fileName.remove_prefix(1);
    return std::any_of(kWrittenFiles.begin(), kWrittenFiles.end(), [&](std::string_view name) {
        return fileName.starts_with(name) && fileName.substr(name.size()).starts_with('.') &&
               isTemporarySuffix(fileName.substr(name.size() + 1));
    });
}

int removeOwnLeftovers(const std::filesystem::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError; // mkostemp makes plain files, never links
        if (it->symlink_status(typeError).type() == std::filesystem::file_type::regular &&
            isOwnLeftover(it->path().filename().string()) && platform::removeFile(it->path()))
            ++removed;
    }
    return removed;
}

} // namespace kok::settings
