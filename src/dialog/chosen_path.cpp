// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/chosen_path.h"

#include "platform/process.h"

namespace kok::dialog {

std::string unstorablePathCharacters(FileKind kind, std::string_view path) {
    std::string refused;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        const bool bad =
            u < 0x20 || u == 0x7f || c == '\\' || (kind == FileKind::Program && c == '"');
        if (bad && refused.find(c) == std::string::npos) refused += c;
    }
    return refused;
}

std::string storedChosenPath(FileKind kind, std::string_view path) {
    if (kind == FileKind::Program && path.find_first_of(" \t") != std::string_view::npos)
        return "\"" + std::string(path) + "\"";
    return std::string(path);
}

std::string pathInField(FileKind kind, std::string_view text) {
    if (kind != FileKind::Program) return std::string(text);
    const auto words = platform::commandLineWords(std::string(text));
    return words.empty() ? std::string() : words.front();
}

} // namespace kok::dialog
