// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound_path.h"

#include <QString>
#include <system_error>

namespace kok::platform {
namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

// The entry of `dir` called `name`, the exact one first, else one that differs only in case.
std::filesystem::path findEntry(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    std::filesystem::path exact = dir / name;
    if (std::filesystem::exists(exact, ec)) return exact;
    // The non-throwing walk: a folder that goes away meanwhile just ends the search.
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), name)) return it->path();
    }
    return {};
}

} // namespace

std::filesystem::path resolveSoundPath(std::string_view path,
                                       const std::filesystem::path& baseDir) {
    std::string text(path);
    for (char& c : text)
        if (c == '\\') c = '/';
    if (text.empty()) return {};
    std::filesystem::path current = text.front() == '/' ? std::filesystem::path("/") : baseDir;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            current = current.parent_path();
            continue;
        }
        current = findEntry(current, part);
        if (current.empty()) return {};
    }
    std::error_code ec;
    return std::filesystem::is_regular_file(current, ec) ? current : std::filesystem::path();
}

} // namespace kok::platform
