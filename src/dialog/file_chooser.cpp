#include "dialog/file_chooser.h"

#include <QFileDialog>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "platform/paths.h"
#include "platform/sound_path.h"

namespace kok::dialog {

QString chooseFile(QWidget* parent, FileKind kind, const QString& currentPath) {
    const FileChooserSetup setup = fileChooserSetup(kind);
    QString folder;
    if (setup.startInSkins) {
        folder = QString::fromStdString(platform::skinDirs().front().string());
    } else if (!currentPath.isEmpty()) {
        // The folder part of the path, whether or not the file is there; a
        // relative path (the Windows way, "MEDIA\x.wav") starts beside the program.
        std::filesystem::path path = currentPath.toStdString();
        const auto found = platform::resolveSoundPath(path.string(), platform::executableDir());
        if (!found.empty()) {
            path = found;
        } else {
            std::string text = path.string();
            std::replace(text.begin(), text.end(), '\\', '/');
            path = text;
            if (path.is_relative()) path = platform::executableDir() / path;
        }
        folder = QString::fromStdString(path.parent_path().string());
    }
    QFileDialog dialog(parent, QString::fromStdString(setup.title), folder,
                       QString::fromStdString(fileDialogFilter(setup.filter)));
    if (setup.startInSkins) {
        // The user's skins and the program's side by side.
        QList<QUrl> places = dialog.sidebarUrls();
        for (const auto& dir : platform::skinDirs())
            places.append(QUrl::fromLocalFile(QString::fromStdString(dir.string())));
        dialog.setSidebarUrls(places);
    }
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace kok::dialog
