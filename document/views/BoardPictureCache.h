#pragma once

#include "kamdeldocument_export.h"

#include <QPixmap>
#include <QString>

// The board pictures, decoded once per process and shared. A picture of the
// first panel model is 3503 x 3503 pixels; every document of a model shows
// the same two files, so the documents share one copy of each (QPixmap is
// implicitly shared) instead of decoding their own. A picture goes when the
// last scene that shows it lets go of it, and a file changed on disk is read
// again.
class KAMDELDOCUMENT_EXPORT BoardPictureCache
{
public:
    BoardPictureCache() = delete;

    // The picture in `path`, or a null pixmap when the file is missing or
    // unreadable. Palette pictures (as the build draws them) stay 8 bits per
    // pixel: a quarter of the memory of 32-bit pixels, drawn alike. A
    // "name@2x.png" comes with a device pixel ratio of 2.
    static QPixmap picture(const QString& path);

    // `picture` (one this cache handed out) reduced 2^level times in each
    // direction, every pixel the average of the square it covers, so that
    // thin lines stay whole when the board is drawn small. Built on first
    // use and shared like the picture; null for other pixmaps.
    static QPixmap reduced(const QPixmap& picture, int level);

    // Forgets the pictures nobody but the cache holds any more.
    static void dropUnused();

    // Pictures held now.
    static int count();
};
