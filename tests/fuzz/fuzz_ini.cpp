// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an INI text: lookups and edits stay inside the text, and an
// edited value reads back as written. Every value survives the way to UTF-8
// and back byte for byte, as an unchanged value must on its way through the
// dialog.
#include <cstdlib>
#include <string>

#include "settings/cp1251.h"
#include "settings/ini_document.h"

using kok::settings::IniDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first line names a section and a key to look up and edit.
    const auto nl = text.find('\n');
    const std::string head = text.substr(0, nl == std::string::npos ? 0 : nl);
    const auto bar = head.find('|');
    std::string section = head.substr(0, bar == std::string::npos ? head.size() : bar);
    std::string key = bar == std::string::npos ? "k" : head.substr(bar + 1);
    if (section.empty()) section = "s";
    if (key.empty()) key = "k";
    for (std::string* s : {&section, &key})
        for (char& c : *s)
            if (c == '[' || c == ']' || c == '=' || c == ';' || c == '\r' || c == ' ' ||
                c == '\t' || c == '"' || c == '\'' || c == '\0')
                c = '_';

    IniDocument doc(text);
    (void)doc.value(section, key);
    (void)doc.hasSection(section);
    for (const std::string& k : doc.keys(section))
        if (const auto v = doc.value(section, k);
            v && kok::settings::utf8ToCp1251(kok::settings::cp1251ToUtf8(*v)) != *v)
            std::abort();
    doc.set(section, key, "v1");
    const auto back = doc.value(section, key);
    if (!back || *back != "v1") std::abort();
    // Removing the key takes its line and nothing more.
    const std::size_t before = doc.bytes().size();
    doc.remove(section, key);
    if (doc.bytes().size() >= before) std::abort();
    (void)doc.value(section, key);
    return 0;
}
