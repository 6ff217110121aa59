// Reading a background picture safely: the size in the file's header is checked before anything
// is decoded, so a huge, truncated or mislabelled file gives no picture instead of a stalled or
// exhausted program.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kavren {

// Largest picture accepted, per side and in pixels.
inline constexpr int MaxPictureSide = 8192;
inline constexpr qint64 MaxPicturePixels = 32LL * 1024 * 1024;

// The picture in the file (BMP, or any other format Qt reads); a null image when the file is
// missing, unreadable, not a picture or larger than the limits.
QImage readPictureFile(const QString &path);

// The picture scaled in memory to exactly this size (distorted to its proportions).
QImage stretchedPicture(const QImage &picture, const QSize &size);

} // namespace kavren
