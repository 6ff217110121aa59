// Arbitrary bytes as a background picture file: reading never crashes, never stalls and never
// gives a picture beyond the size limits; stretching what was read to the graph's size works.
#include "domain/drawing/picture_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace kavren;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // Image format plugins are found through the application's library paths.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("picture-fuzz-%1.bmp").arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QImage picture = readPictureFile(path);
    if (picture.isNull())
        return 0;
    if (picture.width() > MaxPictureSide || picture.height() > MaxPictureSide ||
        qint64(picture.width()) * picture.height() > MaxPicturePixels)
        std::abort();
    const QImage stretched = stretchedPicture(picture, QSize(320, 200));
    if (!stretched.isNull() && stretched.size() != QSize(320, 200))
        std::abort();
    return 0;
}
