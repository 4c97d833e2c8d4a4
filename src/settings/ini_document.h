// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kok::settings {

// An INI text held as its raw bytes, read and edited the way the Windows
// private-profile routines do it:
//  - section and key names compare without regard to case; the first
//    occurrence of a section or of a key inside it wins;
//  - a section name ends at its first ']'; blanks around names and values are
//    trimmed; one pair of matching outer quotes around a value is removed;
//  - ';' starts a comment only as the first non-blank character of a line;
//  - an edit replaces or deletes one line in place, or inserts one line at the end of the
//    section, or appends the section; every other byte stays as it was.
// Names and values are in the file's own 8-bit encoding; callers convert.
class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string bytes) : text_(std::move(bytes)) {}

    const std::string& bytes() const { return text_; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Section names in file order, first occurrences only.
    std::vector<std::string> sections() const;
    // Key names of a section in file order, first occurrences only.
    std::vector<std::string> keys(std::string_view section) const;

    // Line breaks inside names or values would create new lines, so they are
    // replaced by blanks.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Deletes the line of the key's first occurrence, line break included; a
    // missing key changes nothing.
    void remove(std::string_view section, std::string_view key);

  private:
    struct Line {
        std::size_t begin; // first byte of the line
        std::size_t end;   // one past the last byte before the line break
        std::size_t next;  // first byte of the following line
    };
    struct SectionSpan {
        std::size_t header;    // index of the header line
        std::size_t lastEntry; // index of the last non-blank line of the section
        std::size_t endLine;   // index one past the section's last line
    };

    std::vector<Line> lines() const;
    std::optional<SectionSpan> findSection(const std::vector<Line>& ls,
                                           std::string_view section) const;
    std::optional<std::size_t> findKey(const std::vector<Line>& ls, const SectionSpan& span,
                                       std::string_view key) const;

    void terminateLastLine();

    std::string text_;
};

} // namespace kok::settings
