#pragma once

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

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Replaces the file with `bytes` in one step: a temporary file in the same
// folder is written, flushed and renamed over the old one, so a crash or a
// full disk never leaves a half-written file. A read-only file stays
// read-only: writing it fails as it would in place. A symbolic link stays a
// link: the file at the end of it is replaced (created if the link dangles).
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
