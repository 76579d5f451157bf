#pragma once

// Loading a picture from a file, in whatever format the content shows
// (the Graphics files are named .bmp, but any format Qt reads will do).
// A file that is not a whole picture is a failure: Qt happily shows a
// bitmap whose pixel rows stop early, so bitmaps are also checked to hold
// every row their header promises.

#include <QImage>
#include <QString>

namespace PictureFile {

// Throws GameError InvalidPicture when the file is not a whole picture.
QImage load(const QString &path);

} // namespace PictureFile
