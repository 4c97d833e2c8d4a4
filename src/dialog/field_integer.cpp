// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/field_integer.h"

#include <charconv>

namespace kok::dialog {

std::optional<int> fieldInteger(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text.remove_prefix(first);
    if (text.front() == '+') { // from_chars takes "-" only
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

} // namespace kok::dialog
