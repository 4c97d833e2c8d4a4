// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell_open.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kok::platform {

bool isOpenableAddress(std::string_view address) {
    constexpr std::array<std::string_view, 3> kSchemes = {"http://", "https://", "mailto:"};
    return std::ranges::any_of(kSchemes, [address](std::string_view scheme) {
        return address.size() > scheme.size() &&
               std::equal(scheme.begin(), scheme.end(), address.begin(), [](char s, char a) {
                   return s == std::tolower(static_cast<unsigned char>(a));
               });
    });
}

} // namespace kok::platform
