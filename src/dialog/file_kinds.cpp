#include "dialog/file_kinds.h"

namespace kok::dialog {

FileChooserSetup fileChooserSetup(FileKind kind) {
    switch (kind) {
    case FileKind::Wave:
        return {"Укажите звуковой файл формата wave...",
                "Звуковые файлы формата wave|*.wav|Все файлы|*.*"};
    case FileKind::Program:
        return {"Укажите программу...", "Поддерживаемые форматы|*.exe;*.com;*.bat|Программы|*.exe;"
                                        "*.com|Пакеты|*.bat|Все файлы|*.*"};
    case FileKind::Bitmap:
        return {"Укажите точечный рисунок формата bmp...",
                "Точечные рисунки формата bmp|*.bmp|Все файлы|*.*"};
    case FileKind::Skin:
        return {"Укажите файл интерфейсной темы «skin.ksf»...", std::string(kSkinFilter), true};
    case FileKind::Any:
        break;
    }
    return {"", "Все файлы|*.*"};
}

std::string fileDialogFilter(std::string_view pairs) {
    std::string out;
    std::size_t at = 0;
    while (at <= pairs.size()) {
        const std::size_t bar = pairs.find('|', at);
        if (bar == std::string_view::npos) break; // a description without a pattern
        std::size_t end = pairs.find('|', bar + 1);
        if (end == std::string_view::npos) end = pairs.size();
        std::string patterns(pairs.substr(bar + 1, end - bar - 1));
        for (char& c : patterns)
            if (c == ';') c = ' ';
        if (!out.empty()) out += ";;";
        out += std::string(pairs.substr(at, bar - at)) + " (" + patterns + ")";
        at = end + 1;
    }
    return out;
}

} // namespace kok::dialog
