#include "dialog/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/paths.h"
#include "platform/sound_path.h"

namespace kok::dialog {

QString chooseFile(QWidget* parent, FileKind kind, const QString& currentPath) {
    const FileChooserSetup setup = fileChooserSetup(kind);
    QString folder;
    if (setup.startInSkins) {
        folder = QString::fromStdString((platform::executableDir() / "SKINS").string());
    } else if (!currentPath.isEmpty()) {
        // A path stored the Windows way ("MEDIA\x.wav") is relative to the program.
        const auto found =
            platform::resolveSoundPath(currentPath.toStdString(), platform::executableDir());
        if (!found.empty())
            folder = QFileInfo(QString::fromStdString(found.string())).absolutePath();
    }
    QFileDialog dialog(parent, QString::fromStdString(setup.title), folder,
                       QString::fromStdString(fileDialogFilter(setup.filter)));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace kok::dialog
