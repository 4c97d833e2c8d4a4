// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/file_chooser.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSortFilterProxyModel>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "dialog/chosen_path.h"
#include "dialog/storable_text.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/qt_text.h"
#include "platform/questions.h"
#include "platform/sound_path.h"
#include "signals/wave_playback.h"

namespace kok::dialog {
namespace {

QString qs(const std::filesystem::path& p) {
    return platform::qText(p.string());
}

// The program chooser's lines, matched here rather than by the dialog's name
// patterns: a program on Linux is a file with the execute bit, whatever its
// name, which no pattern can say.
class ProgramFilter final : public QSortFilterProxyModel {
  public:
    ProgramFilter(std::vector<FilterLine> lines, QObject* parent)
        : QSortFilterProxyModel(parent), lines_(std::move(lines)) {
        for (const FilterLine& line : lines_) {
            std::vector<QRegularExpression> patterns;
            for (const std::string& p : line.patterns)
                patterns.emplace_back(
                    QRegularExpression::wildcardToRegularExpression(QString::fromStdString(p)),
                    QRegularExpression::CaseInsensitiveOption);
            patterns_.push_back(std::move(patterns));
        }
    }
    void chooseLine(int line) {
        if (line < 0 || line >= int(lines_.size()) || line == line_) return;
        line_ = line;
        invalidateFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || lines_.empty()) return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        if (info.isDir()) return true;
        const auto& patterns = patterns_[std::size_t(line_)];
        if (std::ranges::any_of(patterns, [&](const QRegularExpression& re) {
                return re.match(info.fileName()).hasMatch();
            }))
            return true;
        return lines_[std::size_t(line_)].admitsExecutables && info.isExecutable();
    }

  private:
    std::vector<FilterLine> lines_;
    std::vector<std::vector<QRegularExpression>> patterns_;
    int line_ = 0;
};

void setUpProgramLines(QFileDialog& dialog, const std::string& filter) {
    std::vector<FilterLine> lines = filterLines(filter);
    QStringList names;
    for (const FilterLine& line : lines)
        names << QString::fromStdString(line.description) + QStringLiteral(" (*)");
    auto* proxy = new ProgramFilter(std::move(lines), &dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setProxyModel(proxy);
    dialog.setNameFilters(names);
    // The dialog's own signal comes only from the user's pick, and with the
    // shortened names; its list of kinds says every change, by position.
    if (auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        QObject::connect(kinds, &QComboBox::currentIndexChanged, proxy, &ProgramFilter::chooseLine);
}

} // namespace

ChooserStart chooserStart(FileKind kind, const QString& currentPath) {
    const std::filesystem::path programDir = platform::executableDir();
    if (fileChooserSetup(kind).startInSkins) return {qs(platform::skinDirs().front()), {}};
    if (currentPath.trimmed().isEmpty()) return {};
    // A program's field is a command line: its program is the path.
    const QString current = platform::qText(pathInField(kind, platform::utf8(currentPath)));
    std::error_code ec;
    const auto found = platform::resolveSoundPath(platform::utf8(current), programDir);
    if (!found.empty() && std::filesystem::is_regular_file(found, ec))
        return {qs(found.parent_path()), qs(found.filename())};
    // A path the Windows way ("MEDIA\x.wav") starts beside the program.
    std::string text = platform::utf8(current);
    std::replace(text.begin(), text.end(), '\\', '/');
    std::filesystem::path path = text;
    if (path.is_relative()) path = programDir / path;
    if (std::filesystem::is_directory(path, ec)) return {qs(path), {}};
    if (std::filesystem::is_directory(path.parent_path(), ec)) return {qs(path.parent_path()), {}};
    return {};
}

std::unique_ptr<QFileDialog> makeFileChooser(QWidget* parent, FileKind kind,
                                             const QString& currentPath) {
    const FileChooserSetup setup = fileChooserSetup(kind);
    const ChooserStart start = chooserStart(kind, currentPath);
    auto dialog = std::make_unique<QFileDialog>(parent, QString::fromStdString(setup.title));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (kind == FileKind::Program)
        setUpProgramLines(*dialog, setup.filter);
    else
        dialog->setNameFilter(QString::fromStdString(fileDialogFilter(setup.filter)));
    if (!start.folder.isEmpty()) dialog->setDirectory(start.folder);
    if (setup.startInSkins) {
        // The user's skins and the program's side by side.
        QList<QUrl> places = dialog->sidebarUrls();
        for (const auto& dir : platform::skinDirs())
            places.append(QUrl::fromLocalFile(qs(dir)));
        dialog->setSidebarUrls(places);
    }
    // Never a leftover of the field's text: only a file that is there.
    dialog->selectFile(start.fileName);
    return dialog;
}

QString chooseFile(QWidget* parent, FileKind kind, const QString& currentPath) {
    const auto dialog = makeFileChooser(parent, kind, currentPath);
    return platform::questions().chooseFile(*dialog);
}

void chooseFileFor(QWidget* parent, QPushButton* button, FileKind kind, QLineEdit* field,
                   const QAbstractButton* label) {
    // Back where the user pressed, whatever had the focus while asking.
    const auto refocus = qScopeGuard([button] { button->setFocus(Qt::OtherFocusReason); });
    const std::string chosen = platform::utf8(chooseFile(parent, kind, field->text()));
    if (chosen.empty()) return;
    const QString stored = platform::qText(storedChosenPath(kind, chosen));
    if (!acceptStorable(stored, fieldCaption(label->text()),
                        platform::qText(unstorablePathCharacters(kind, chosen))))
        return;
    // A sound file too large to play is not taken: the field keeps its file.
    if (kind == FileKind::Wave) {
        const std::string refusal = signal::waveFileRefusal(chosen);
        if (!refusal.empty()) return platform::showMessage(refusal);
    }
    field->setText(stored);
}

void playSoundFile(const QString& path) {
    if (signal::PlayWaveFile(platform::utf8(path), false) == signal::WaveStart::TooLarge)
        platform::showMessage(signal::waveFileRefusal(platform::utf8(path)));
}

} // namespace kok::dialog
