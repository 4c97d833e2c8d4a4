// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/builtin_skins.h"

#include <QDir>
#include <QFile>

#include "platform/qt_text.h"

// The pictures live in a static library, so their resource file must be
// registered by name or the linker leaves it out.
static void registerSkinResources() {
    Q_INIT_RESOURCE(skins);
}

namespace kok::skin {

QString builtinSkinResourcePath(std::string_view name) {
    static const bool registered = (registerSkinResources(), true);
    (void)registered;
    const QString wanted = platform::qText(name);
    // The compiled-in folder never changes; listing it costs more than all
    // the lookups of a skin together, so it is listed once.
    static const QDir dir(":/skins");
    static const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return {};
}

std::optional<QByteArray> builtinSkinResource(std::string_view name) {
    const QString path = builtinSkinResourcePath(name);
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

QByteArray builtinSkinDescription(std::string_view skinName) {
    return builtinSkinResource(skinName == "ext" ? "KSF_EXT" : "KSF_DEF").value_or(QByteArray());
}

} // namespace kok::skin
