#pragma once

// Loading a picture from a file, in whatever format the content shows
// (the Graphics files are named .bmp, but any format Qt reads will do).
// A file that is not a whole picture is a failure: Qt happily shows a
// bitmap whose pixel rows stop early, so bitmaps are also checked for a
// possible header and for every row their header promises. Only regular
// files of a sensible size are read, and reading never waits.

#include <QImage>
#include <QString>

namespace PictureFile {

// Throws GameError InvalidPicture when the file is not a whole picture.
QImage load(const QString &path);

} // namespace PictureFile
