// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/file_kinds.h"
#include "platform/translate.h"

namespace kok::dialog {
namespace {

std::string chooserText(std::string_view source) {
    return platform::trText("FileChooser", source);
}

} // namespace

FileChooserSetup fileChooserSetup(FileKind kind) {
    switch (kind) {
    case FileKind::Wave:
        return {
            chooserText(QT_TRANSLATE_NOOP("FileChooser", "Укажите звуковой файл формата wave...")),
            chooserText(QT_TRANSLATE_NOOP("FileChooser",
                                          "Звуковые файлы формата wave|*.wav|Все файлы|*.*"))};
    case FileKind::Program:
        return {chooserText(QT_TRANSLATE_NOOP("FileChooser", "Укажите программу...")),
                chooserText(QT_TRANSLATE_NOOP(
                    "FileChooser", "Поддерживаемые форматы|*.exe;*.com;*.bat|Программы|*.exe;"
                                   "*.com|Пакеты|*.bat|Все файлы|*.*"))};
    case FileKind::Bitmap:
        return {chooserText(
                    QT_TRANSLATE_NOOP("FileChooser", "Укажите точечный рисунок формата bmp...")),
                chooserText(QT_TRANSLATE_NOOP("FileChooser",
                                              "Точечные рисунки формата bmp|*.bmp|Все файлы|*.*"))};
    case FileKind::Skin:
        return {chooserText(QT_TRANSLATE_NOOP("FileChooser",
                                              "Укажите файл интерфейсной темы «skin.ksf»...")),
                chooserText(kSkinFilter), true};
    case FileKind::Any:
        break;
    }
    return {"", chooserText(QT_TRANSLATE_NOOP("FileChooser", "Все файлы|*.*"))};
}

std::vector<FilterLine> filterLines(std::string_view pairs) {
    std::vector<FilterLine> lines;
    std::size_t at = 0;
    while (at <= pairs.size()) {
        const std::size_t bar = pairs.find('|', at);
        if (bar == std::string_view::npos) break; // a description without a pattern
        std::size_t end = pairs.find('|', bar + 1);
        if (end == std::string_view::npos) end = pairs.size();
        FilterLine line{std::string(pairs.substr(at, bar - at)), {}, false};
        const std::string_view patterns = pairs.substr(bar + 1, end - bar - 1);
        for (std::size_t p = 0; p <= patterns.size();) {
            std::size_t semi = patterns.find(';', p);
            if (semi == std::string_view::npos) semi = patterns.size();
            std::string pattern(patterns.substr(p, semi - p));
            if (pattern == "*.*") pattern = "*";
            line.admitsExecutables = line.admitsExecutables || pattern == "*.exe";
            if (!pattern.empty()) line.patterns.push_back(std::move(pattern));
            p = semi + 1;
        }
        lines.push_back(std::move(line));
        at = end + 1;
    }
    return lines;
}

std::string fileDialogFilter(std::string_view pairs) {
    std::string out;
    for (const FilterLine& line : filterLines(pairs)) {
        if (!out.empty()) out += ";;";
        out += line.description + " (";
        for (std::size_t i = 0; i < line.patterns.size(); ++i)
            out += (i ? " " : "") + line.patterns[i];
        out += ")";
    }
    return out;
}

} // namespace kok::dialog
