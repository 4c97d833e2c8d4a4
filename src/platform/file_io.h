// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kok::platform {

// A file that could not be written. The old file, if any, is untouched.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Every file the program reads goes through readWholeFile, which takes only
// a regular file of at most `maxBytes`: a pipe, a device or a socket put in a
// file's place (a downloaded skin, a hand-made link to /dev/zero) could
// otherwise stop the clock at its open or fill its memory. Opening never
// waits. This cap suits the INI files and skin descriptions; pictures and
// sounds name their own.
inline constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

// The whole file, or nothing when it is missing, is no regular file, is
// larger than `maxBytes` or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path,
                                         std::size_t maxBytes = kMaxTextFileBytes);

// Replaces the file with `bytes` in one step: a temporary file in the same
// folder is written, flushed and renamed over the old one, so a crash or a
// full disk never leaves a half-written file. A read-only file stays
// read-only: writing it fails as it would in place. A symbolic link stays a
// link: the file at the end of it is replaced (created if the link dangles).
// A pipe, device or folder in the file's place is refused, never replaced.
// The new file keeps the old one's mode, and its owner and group where the
// writer may give them (root may), so that an edit by root leaves the
// user's file the user's.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// What changes whenever a file is written or replaced, to tell that it has not.
struct FileStamp {
    std::uint64_t inode = 0, size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when the file is missing.
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Deletes a file; a missing file is no error. Returns false when it stays.
bool removeFile(const std::filesystem::path& path);

} // namespace kok::platform
