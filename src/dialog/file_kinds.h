// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

namespace kok::dialog {

// The kinds of file the pages' "..." buttons ask for.
enum class FileKind { Any, Wave, Program, Bitmap, Skin };

// How the file chooser is set up for a kind: its title, its filter as
// description|pattern pairs separated by vertical bars, and whether it starts
// in the "SKINS" folder beside the program.
struct FileChooserSetup {
    std::string title;
    std::string filter;
    bool startInSkins = false;
};

FileChooserSetup fileChooserSetup(FileKind kind);

// The filter of the skin-saving chooser: only files named "skin.ksf".
inline constexpr std::string_view kSkinFilter =
    QT_TRANSLATE_NOOP("FileChooser", "Файлы темы kOk DIAL TD|skin.ksf");

// One line of a chooser's filter. "*.*" stands for every file, as it does
// where the filters come from; on Linux most files have no dot, so it
// becomes "*". A line for programs also admits files marked executable,
// which is what a program is here.
struct FilterLine {
    std::string description;
    std::vector<std::string> patterns;
    bool admitsExecutables = false;
};

// The lines of a description|pattern list (patterns separated by ";").
std::vector<FilterLine> filterLines(std::string_view pairs);

// A description|pattern list as the lines of a file dialog's filter:
// "Описание (*.wav)", patterns separated by blanks.
std::string fileDialogFilter(std::string_view pairs);

} // namespace kok::dialog
