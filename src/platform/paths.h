#pragma once

#include <filesystem>

namespace kok::platform {

// Full path of the running executable, and its folder: every file the
// program keeps lives there.
std::filesystem::path executablePath();
std::filesystem::path executableDir();

// Makes executableDir() report `dir` while it lives, so that a test can give
// the program a fresh folder of its own.
class ProgramDirOverride {
  public:
    explicit ProgramDirOverride(std::filesystem::path dir);
    ~ProgramDirOverride();
    ProgramDirOverride(const ProgramDirOverride&) = delete;
    ProgramDirOverride& operator=(const ProgramDirOverride&) = delete;

  private:
    std::filesystem::path dir_;
    const std::filesystem::path* previous_;
};

// The per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
std::filesystem::path userConfigDir();

} // namespace kok::platform
