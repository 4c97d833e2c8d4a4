// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skin_font.h"

#include <QFontMetricsF>
#include <QLabel>
#include <cmath>

namespace kok::skin {
namespace {

QStringList familiesFor(const QString& face) {
    if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        face.compare(QLatin1String("Small Fonts"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
    return {face, QStringLiteral("DejaVu Sans")};
}

} // namespace

QColor skinColor(int bgr) {
    const auto v = static_cast<unsigned>(bgr);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QFont skinFont(const SkinFont& font, const QFont& base) {
    QFont f = base;
    f.setFamilies(familiesFor(QString::fromStdString(font.face)));
    f.setHintingPreference(QFont::PreferFullHinting);
    const int height = font.pixelHeight();
    if (height < 0) {
        f.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height includes the internal leading: scale it to an em size.
        QFont probe = f;
        probe.setPixelSize(100);
        const QFontMetricsF m(probe);
        const double cell = m.ascent() + m.descent();
        f.setPixelSize(std::max(1, int(std::lround(height * 100.0 / (cell > 0 ? cell : 100.0)))));
    }
    if (font.bold != 0) f.setBold(true);
    return f;
}

bool applySkinFont(QLabel& label, const SkinFont& font) {
    const QFont f = skinFont(font, label.font());
    const QColor c = skinColor(font.color);
    QPalette pal = label.palette();
    const bool changed = f != label.font() || pal.color(QPalette::WindowText) != c;
    label.setFont(f);
    pal.setColor(QPalette::WindowText, c);
    label.setPalette(pal);
    return changed;
}

} // namespace kok::skin
