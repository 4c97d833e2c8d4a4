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
    bool sharedProgram = false; // the program folder is a shared install's: never written
};

// The file an install for every user puts into the program folder (the
// package, cmake --install with the prefix /usr, /usr/local or /opt/...). Its
// presence alone counts: such a folder is never written by the program,
// whoever runs it, root included, and a Settings file left there by an older
// version is not taken for a portable copy's.
inline constexpr std::string_view kSharedInstallMarker = "shared-install";
bool isSharedInstall(const std::filesystem::path& programDir);

// A shared install: always the user's own folder. Otherwise (a portable copy:
// a build folder, a folder a user unpacked, a per-user install) beside the
// executable when the program folder can be written or already holds a
// Settings file; else the user's folder. Without a user's folder a portable
// copy stays beside the executable, and a shared install writes nowhere.
DataFolder chooseDataFolder(const std::filesystem::path& programDir,
                            const std::filesystem::path& userDir,
                            std::string_view settingsFileName);

// The user's folder for it: $XDG_DATA_HOME/koktd, else ~/.local/share/koktd
// (the account's home when HOME is not set).
std::filesystem::path userDataDir();

// The folder chosen once at start (main); the program folder until then, and
// a ProgramDirOverride's folder while one lives.
void useDataFolder(DataFolder folder);
std::filesystem::path dataDir();
// Whether dataDir() may be written: it is, or can be made, a writable folder.
bool dataDirWritable();

// A folder counts as writable when it has a write permission bit and this
// user may write it: one without any is read-only for everybody, root
// included, as a read-only file is. A missing folder is created private
// (0700), with its missing parents. False when it cannot be written.
bool makeWritableDir(const std::filesystem::path& dir);

// The skin folders, where skins are looked for first: the user's SKINS when
// the files are per-user and it holds any, then the program's. The skin
// editor offers skinDirToSave(): the user's SKINS, made on demand, when the
// files are per-user, else the program's; empty (no folder offered) for an
// installed program without a usable user folder.
std::vector<std::filesystem::path> skinDirs();
std::filesystem::path skinDirToSave();

// The per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
std::filesystem::path userConfigDir();

} // namespace kok::platform
