// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/windows_path.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace kok::skin {
namespace {

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::filesystem::path resolveWindowsPath(std::string_view stored) {
    std::string text(stored);
    std::replace(text.begin(), text.end(), '\\', '/');
    const std::filesystem::path given(text);
    std::error_code ec;
    if (std::filesystem::exists(given, ec)) return given;

    std::filesystem::path out = given.root_path();
    for (const auto& part : given.relative_path()) {
        std::filesystem::path next = out / part;
        if (!std::filesystem::exists(next, ec)) {
            const std::filesystem::path dir = out.empty() ? "." : out;
            // Stepped with the error code: a folder that stops being readable
            // halfway ends the search, not the program.
            for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end;
                 it.increment(ec)) {
                if (sameNoCase(it->path().filename().string(), part.string())) {
                    next = out / it->path().filename();
                    break;
                }
            }
        }
        out = std::move(next);
    }
    return out;
}

} // namespace kok::skin
