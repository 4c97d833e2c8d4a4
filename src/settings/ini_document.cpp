// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include "settings/cp1251.h"

namespace kok::settings {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The name of a section header line, or nothing when the line is no header.
std::optional<std::string_view> headerName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    if (close != std::string_view::npos) line = line.substr(0, close);
    return trim(line);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view value = trim(t.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return Entry{trim(t.substr(0, eq)), value};
}

// A value that starts or ends with a blank or a quote would lose them on
// reading, so it is written inside one more pair of quotes, which the reader
// takes off again.
std::string protectedValue(std::string value) {
    if (value.empty()) return value;
    const auto exposed = [](char c) { return isBlank(c) || c == '"' || c == '\''; };
    if (exposed(value.front()) || exposed(value.back())) return '"' + value + '"';
    return value;
}

std::string singleLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

} // namespace

std::vector<IniDocument::Line> IniDocument::lines() const {
    std::vector<Line> out;
    std::size_t pos = 0;
    while (pos < text_.size()) {
        const auto nl = text_.find('\n', pos);
        const std::size_t next = nl == std::string::npos ? text_.size() : nl + 1;
        std::size_t end = nl == std::string::npos ? text_.size() : nl;
        if (end > pos && text_[end - 1] == '\r') --end;
        out.push_back({pos, end, next});
        pos = next;
    }
    return out;
}

std::optional<IniDocument::SectionSpan> IniDocument::findSection(const std::vector<Line>& ls,
                                                                 std::string_view section) const {
    const std::string_view text(text_);
    for (std::size_t i = 0; i < ls.size(); ++i) {
        const auto name = headerName(text.substr(ls[i].begin, ls[i].end - ls[i].begin));
        if (!name || !equalsNoCase1251(*name, trim(section))) continue;
        SectionSpan span{i, i, ls.size()};
        for (std::size_t j = i + 1; j < ls.size(); ++j) {
            const std::string_view line = text.substr(ls[j].begin, ls[j].end - ls[j].begin);
            if (headerName(line)) {
                span.endLine = j;
                break;
            }
            if (!trim(line).empty()) span.lastEntry = j;
        }
        return span;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const std::vector<Line>& ls,
                                                const SectionSpan& span,
                                                std::string_view key) const {
    const std::string_view text(text_);
    for (std::size_t j = span.header + 1; j < span.endLine; ++j) {
        const auto e = entryOf(text.substr(ls[j].begin, ls[j].end - ls[j].begin));
        if (e && equalsNoCase1251(e->key, trim(key))) return j;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto ls = lines();
    const auto span = findSection(ls, section);
    if (!span) return std::nullopt;
    const auto idx = findKey(ls, *span, key);
    if (!idx) return std::nullopt;
    const Line& l = ls[*idx];
    return std::string(entryOf(std::string_view(text_).substr(l.begin, l.end - l.begin))->value);
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(lines(), section).has_value();
}

std::vector<std::string> IniDocument::sections() const {
    std::vector<std::string> out;
    for (const Line& l : lines()) {
        const auto name = headerName(std::string_view(text_).substr(l.begin, l.end - l.begin));
        if (!name) continue;
        bool seen = false;
        for (const auto& s : out)
            seen = seen || equalsNoCase1251(s, *name);
        if (!seen) out.emplace_back(*name);
    }
    return out;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    std::vector<std::string> out;
    const auto ls = lines();
    const auto span = findSection(ls, section);
    if (!span) return out;
    for (std::size_t j = span->header + 1; j < span->endLine; ++j) {
        const auto e =
            entryOf(std::string_view(text_).substr(ls[j].begin, ls[j].end - ls[j].begin));
        if (!e) continue;
        bool seen = false;
        for (const auto& k : out)
            seen = seen || equalsNoCase1251(k, e->key);
        if (!seen) out.emplace_back(e->key);
    }
    return out;
}

// A file may end without a line break, or with a lone CR that is no line break
// of its own; either way the last line is completed before a line is added.
void IniDocument::terminateLastLine() {
    if (text_.empty() || text_.back() == '\n') return;
    text_ += text_.back() == '\r' ? "\n" : "\r\n";
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = singleLine(trim(key)) + "=" + protectedValue(singleLine(value));
    const auto ls = lines();
    const auto span = findSection(ls, section);
    if (!span) {
        terminateLastLine();
        text_ += "[" + singleLine(trim(section)) + "]\r\n" + entry + "\r\n";
        return;
    }
    if (const auto idx = findKey(ls, *span, key)) {
        const Line& l = ls[*idx];
        text_.replace(l.begin, l.end - l.begin, entry);
        return;
    }
    const Line& after = ls[span->lastEntry];
    if (after.next == text_.size()) { // the section's last line ends the file
        terminateLastLine();
        text_ += entry + "\r\n";
        return;
    }
    text_.insert(after.next, entry + "\r\n");
}

void IniDocument::remove(std::string_view section, std::string_view key) {
    const auto ls = lines();
    const auto span = findSection(ls, section);
    if (!span) return;
    if (const auto idx = findKey(ls, *span, key))
        text_.erase(ls[*idx].begin, ls[*idx].next - ls[*idx].begin);
}

} // namespace kok::settings
