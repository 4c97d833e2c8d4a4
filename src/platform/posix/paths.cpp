#include "platform/paths.h"

#include <cstdlib>
#include <system_error>

namespace kok::platform {

std::filesystem::path executablePath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : p;
}

std::filesystem::path executableDir() { return executablePath().parent_path(); }

std::filesystem::path userConfigDir() {
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return x;
    if (const char* h = std::getenv("HOME"); h && *h) return std::filesystem::path(h) / ".config";
    return std::filesystem::temp_directory_path();
}

} // namespace kok::platform
