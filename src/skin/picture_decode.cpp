// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/picture_decode.h"

#include <QBuffer>
#include <QImageReader>

namespace kok::skin {

QPixmap decodePicture(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace kok::skin
