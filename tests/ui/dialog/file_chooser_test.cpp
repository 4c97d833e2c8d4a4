// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QtTest>
#include <filesystem>

#include "dialog/file_chooser.h"
#include "support/program_folder.h"
#include "support/qt_test_main.h"

using kok::dialog::FileKind;
using kok::test::TempDir;
namespace fs = std::filesystem;

namespace {

// The names the chooser lists in its folder, sorted.
QStringList listed(QFileDialog& dialog) {
    const auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view || !view->model()) return {};
    QStringList names;
    for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
        names << view->model()->index(r, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

QString nameBox(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
}

} // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

  private slots:
    // "Все файлы" lists every file, dot or not; the program kinds list Linux
    // programs by their execute bit as well as by the Windows names.
    void everyFileAndEveryLinuxProgramIsListed() {
        TempDir dir;
        const std::pair<const char*, bool> files[] = {{"koktd", true},      {"notes", false},
                                                      {"setup.exe", false}, {"run.bat", false},
                                                      {"tune.wav", false},  {"script.sh", true}};
        for (const auto& [name, executable] : files) {
            kok::test::writeBytes(dir / name, "x");
            if (executable)
                fs::permissions(dir / name, fs::perms::owner_exec, fs::perm_options::add);
        }
        const QStringList all = {"koktd", "notes", "run.bat", "script.sh", "setup.exe", "tune.wav"};
        struct Case {
            FileKind kind;
            int line;
            QStringList shown;
        };
        const Case cases[] = {
            {FileKind::Program, 0, {"koktd", "run.bat", "script.sh", "setup.exe"}},
            {FileKind::Program, 1, {"koktd", "script.sh", "setup.exe"}},
            {FileKind::Program, 2, {"run.bat"}},
            {FileKind::Program, 3, all},
            {FileKind::Wave, 0, {"tune.wav"}},
            {FileKind::Wave, 1, all},
            {FileKind::Bitmap, 1, all},
        };
        for (const Case& c : cases) {
            const auto dialog = kok::dialog::makeFileChooser(
                nullptr, c.kind, QString::fromStdString((dir / "notes").string()));
            dialog->selectNameFilter(dialog->nameFilters().value(c.line));
            QTRY_COMPARE(listed(*dialog), c.shown);
            QCOMPARE(nameBox(*dialog), QString("notes"));
        }
    }

    // The name box holds a file's name only when the field names a file that
    // is there; a command line or a missing file leaves it empty.
    void theNameBoxStartsEmptyUnlessTheFieldIsAFile() {
        TempDir dir;
        kok::test::writeBytes(dir / "tool", "x");
        const QString folder = QString::fromStdString(dir.path().string());
        std::filesystem::create_directory(dir / "My Tools");
        kok::test::writeBytes(dir / "My Tools" / "run.sh", "x");
        const std::pair<QString, QString> cases[] = {
            {"xdg-open https://www.example.org/", ""},
            {"\"" + folder + "/My Tools/run.sh\"", "run.sh"},
            {folder + "/tool", "tool"},
            {folder + "/gone.exe", ""},
            {folder, ""},
            {"", ""},
        };
        for (const auto& [field, name] : cases) {
            const auto dialog = kok::dialog::makeFileChooser(nullptr, FileKind::Program, field);
            QCOMPARE(nameBox(*dialog), name);
            if (field.startsWith(folder)) QCOMPARE(dialog->directory().absolutePath(), folder);
            if (!name.isEmpty() && field.startsWith('"'))
                QCOMPARE(dialog->directory().absolutePath(), folder + "/My Tools");
        }
    }
};

KOK_QT_TEST(FileChooserTest);
#include "file_chooser_test.moc"
