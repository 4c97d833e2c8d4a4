// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/paths.h"

namespace kok::platform {
namespace {

std::string describe(const std::filesystem::path& path, const char* what, int err) {
    return path.string() + ": " + what + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a chain of symbolic links ends at; each relative link counts from
// the folder the link is in. A path that is no link is its own target.
std::filesystem::path finalTarget(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) throw WriteError(describe(path, "cannot read the link", ec.value()));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    throw WriteError(describe(path, "too many links", ELOOP));
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a pipe with no writer would wait for one for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || std::uint64_t(st.st_size) > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    out.reserve(std::size_t(st.st_size));
    char buf[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        // A file that grows past the cap while it is read is refused as well.
        if (n < 0 || out.size() + std::size_t(n) > maxBytes) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

void writeFileAtomically(const std::filesystem::path& linkOrFile, std::string_view bytes) {
    // Renaming over a link would replace the link itself, so the temporary
    // file goes beside the file the link points to and replaces that one.
    const std::filesystem::path path = finalTarget(linkOrFile);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // A file without any write permission is read-only for everybody, root
    // included, like a file with the read-only attribute on Windows.
    if (exists && (::access(path.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        throw WriteError(describe(path, "read-only", EACCES));
    // A device or pipe in a file's place is no file of ours to replace.
    if (exists && !S_ISREG(old.st_mode))
        throw WriteError(describe(path, "not a regular file", EINVAL));
    // The program's own folder is made on its first file (the user's folder
    // may not be there yet); one without any write permission is read-only.
    if (linkOrFile.parent_path() == dataDir() && !dataDirWritable())
        throw WriteError(describe(path, "its folder cannot be written", EACCES));

    std::string tmpl = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0) throw WriteError(describe(path, "cannot create a temporary file", errno));

    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    // The owner first: a change of owner clears the set-id bits the mode gives
    // back. Only root may give a file away; anybody else keeps at least the
    // group where they belong to it.
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)!::fchown(fd, uid_t(-1), old.st_gid);
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(tmpl.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(tmpl.c_str());
        throw WriteError(describe(path, "write failed", err));
    }
}

std::optional<FileStamp> fileStamp(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileStamp{std::uint64_t(st.st_ino), std::uint64_t(st.st_size),
                     std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool removeFile(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace kok::platform
