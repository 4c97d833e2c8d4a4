#include "platform/paths.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace kok::platform {
namespace {

const std::filesystem::path* programDirOverride = nullptr;

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

std::filesystem::path userConfigDir() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return x;
    if (const char* h = std::getenv("HOME"); h && *h) return std::filesystem::path(h) / ".config";
    return std::filesystem::temp_directory_path();
}

} // namespace kok::platform
