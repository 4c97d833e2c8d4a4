// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPixmap>

namespace kok::skin {

// Decodes a picture of the one format named, and only that: skin pictures are
// Windows bitmaps, so a JPEG or GIF renamed to .bmp is refused. Letting Qt
// guess instead would load every image plugin at start-up to ask each one.
// A null pixmap when the bytes are not a picture of that format.
QPixmap decodePicture(const QByteArray& bytes, const char* format = "BMP");

} // namespace kok::skin
