// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <utility>

#include "platform/file_io.h"

namespace kok::platform {

// What was read from a file, read again only when the file's identity (inode,
// size, modification time) has changed: a replacing write and an edit in
// place both show at the next look, and an unchanged file costs one stat.
template <class T> class FileCache {
  public:
    template <class Read> const T& get(const std::filesystem::path& path, Read&& read) {
        // Stamped before the read: a change during it shows at the next look.
        const std::optional<FileStamp> stamp = fileStamp(path);
        if (!value_ || stamp != stamp_) {
            value_.emplace(std::forward<Read>(read)());
            stamp_ = stamp;
            ++reads_;
        }
        return *value_;
    }
    // The next look reads the file whatever its identity.
    void forget() { value_.reset(); }
    // How many times the file has been read: what is worked out from the
    // value stays good while this stays the same.
    unsigned long long reads() const { return reads_; }

  private:
    std::optional<T> value_;
    std::optional<FileStamp> stamp_;
    unsigned long long reads_ = 0;
};

} // namespace kok::platform
