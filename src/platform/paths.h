// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace kok::platform {

// Full path of the running executable, and its folder, the program folder:
// the sounds, the voice pack and the sample skins are there.
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

// Where the program writes its own files (the Settings file, the Alarm
// working copy, the Timer state file, their temporary files).
struct DataFolder {
    std::filesystem::path dir;
    bool perUser = false;
};

// Beside the executable when the program folder can be written or already
// holds a Settings file (portable use); otherwise the user's own folder, so
// that a program folder shared by every user (/usr/lib/koktd) serves each.
// Without a user's folder (no HOME) it stays beside the executable.
DataFolder chooseDataFolder(const std::filesystem::path& programDir,
                            const std::filesystem::path& userDir,
                            std::string_view settingsFileName);

// The user's folder for it: $XDG_DATA_HOME/koktd, else ~/.local/share/koktd.
std::filesystem::path userDataDir();

// The folder chosen once at start (main); the program folder until then, and
// a ProgramDirOverride's folder while one lives.
void useDataFolder(DataFolder folder);
std::filesystem::path dataDir();

// A folder counts as writable when it has a write permission bit and this
// user may write it: one without any is read-only for everybody, root
// included, as a read-only file is. A missing folder is created private
// (0700), with its missing parents. False when it cannot be written.
bool makeWritableDir(const std::filesystem::path& dir);

// The skin folders, where skins are looked for first: the user's SKINS when
// the files are per-user and it holds any, then the program's. The skin
// editor saves into skinDirToSave(): the user's SKINS, made on demand, when
// the files are per-user, else the program's.
std::vector<std::filesystem::path> skinDirs();
std::filesystem::path skinDirToSave();

// The per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
std::filesystem::path userConfigDir();

} // namespace kok::platform
