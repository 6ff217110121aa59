// Safe reading and in-memory stretching of background pictures. No file is ever written here.
#include "domain/drawing/picture_file.h"

#include <QFile>
#include <QImageReader>

namespace kavren {

namespace {

// A bitmap file states its own length in its header; a shorter file was cut off, and its missing
// rows would be shown as whatever memory held.
bool bitmapIsComplete(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(6);
    if (header.size() < 6)
        return false;
    quint32 stated = 0;
    for (int i = 0; i < 4; ++i)
        stated |= quint32(quint8(header[2 + i])) << (8 * i);
    return file.size() >= qint64(stated);
}

} // namespace

QImage readPictureFile(const QString &path) {
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};
    if (reader.format() == "bmp" && !bitmapIsComplete(path))
        return {};
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide ||
        qint64(size.width()) * size.height() > MaxPicturePixels)
        return {};
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

QImage stretchedPicture(const QImage &picture, const QSize &size) {
    if (picture.isNull() || size.isEmpty())
        return {};
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace kavren
