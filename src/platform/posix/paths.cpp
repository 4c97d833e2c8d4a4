// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace kok::platform {
namespace {

const std::filesystem::path* programDirOverride = nullptr;
DataFolder chosenDataFolder;

constexpr const char* kSkinsFolderName = "SKINS";

bool isWritableDir(const std::filesystem::path& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0222) != 0 &&
           ::access(dir.c_str(), W_OK) == 0;
}

bool isUsableUserDir(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::exists(dir, ec) && !std::filesystem::is_empty(dir, ec) && !ec;
}

} // namespace

std::filesystem::path executablePath() {
    std::error_code ec;
    std::string p = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) return {};
    // An executable replaced on disk while it runs (an upgrade) is reported
    // with this suffix; the new file at the same path is the one to restart.
    constexpr std::string_view kDeleted = " (deleted)";
    if (p.size() > kDeleted.size() && p.ends_with(kDeleted)) p.resize(p.size() - kDeleted.size());
    return p;
}

std::filesystem::path executableDir() {
    return programDirOverride ? *programDirOverride : executablePath().parent_path();
}

ProgramDirOverride::ProgramDirOverride(std::filesystem::path dir)
    : dir_(std::move(dir)), previous_(programDirOverride) {
    programDirOverride = &dir_;
}
ProgramDirOverride::~ProgramDirOverride() {
    programDirOverride = previous_;
}

bool isSharedInstall(const std::filesystem::path& programDir) {
    struct stat st {};
    return ::stat((programDir / std::string(kSharedInstallMarker)).c_str(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

DataFolder chooseDataFolder(const std::filesystem::path& programDir,
                            const std::filesystem::path& userDir,
                            std::string_view settingsFileName) {
    if (isSharedInstall(programDir)) {
        if (userDir.empty()) return {programDir, false, true};
        return {userDir, true, true};
    }
    std::error_code ec;
    if (userDir.empty() || isWritableDir(programDir) ||
        std::filesystem::exists(programDir / std::string(settingsFileName), ec) || ec)
        return {programDir, false};
    return {userDir, true};
}

std::filesystem::path userDataDir() {
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x && x[0] == '/')
        return std::filesystem::path(x) / "koktd";
    if (const char* h = std::getenv("HOME"); h && *h)
        return std::filesystem::path(h) / ".local" / "share" / "koktd";
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return std::filesystem::path(pw->pw_dir) / ".local" / "share" / "koktd";
    return {};
}

void useDataFolder(DataFolder folder) {
    chosenDataFolder = std::move(folder);
}

std::filesystem::path dataDir() {
    if (programDirOverride || chosenDataFolder.dir.empty()) return executableDir();
    return chosenDataFolder.dir;
}

bool dataDirWritable() {
    if (!programDirOverride && chosenDataFolder.sharedProgram && !chosenDataFolder.perUser)
        return false;
    return makeWritableDir(dataDir());
}

bool makeWritableDir(const std::filesystem::path& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return isWritableDir(dir);
    if (errno != ENOENT || dir.empty()) return false;
    const std::filesystem::path parent = dir.parent_path();
    if (parent == dir || !makeWritableDir(parent)) return false;
    return (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) && isWritableDir(dir);
}

std::vector<std::filesystem::path> skinDirs() {
    std::vector<std::filesystem::path> dirs;
    if (!programDirOverride && chosenDataFolder.perUser &&
        isUsableUserDir(chosenDataFolder.dir / kSkinsFolderName))
        dirs.push_back(chosenDataFolder.dir / kSkinsFolderName);
    dirs.push_back(executableDir() / kSkinsFolderName);
    return dirs;
}

std::filesystem::path skinDirToSave() {
    const std::filesystem::path program = executableDir() / kSkinsFolderName;
    if (programDirOverride) return program;
    if (chosenDataFolder.perUser) {
        const std::filesystem::path mine = chosenDataFolder.dir / kSkinsFolderName;
        if (makeWritableDir(mine)) return mine;
    }
    // An installed program's folder belongs to every user: it is never
    // offered, not even to root.
    return chosenDataFolder.sharedProgram ? std::filesystem::path() : program;
}

std::filesystem::path userConfigDir() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return x;
    if (const char* h = std::getenv("HOME"); h && *h) return std::filesystem::path(h) / ".config";
    // TMPDIR naming no folder must not end the program.
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : tmp;
}

} // namespace kok::platform
