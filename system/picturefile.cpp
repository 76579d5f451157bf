#include "system/picturefile.h"
#include "system/gameerror.h"
#include "system/safefile.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QtEndian>
#include <QtNumeric>

namespace PictureFile {

namespace {

// Far beyond any picture the map can show.
constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;

// Whether a bitmap's header is possible and, for an uncompressed bitmap,
// whether the file holds all the pixel rows it declares. Compressed
// bitmaps have no fixed size and are left to Qt. Header values are
// untrusted: every product is checked.
bool bitmapIsWhole(const QByteArray &bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return true; // not a plain bitmap file: nothing more to check
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const quint32 pixelsAt = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == 12) { // the old OS/2 header
        width = u16(18);
        height = u16(20);
        bitsPerPixel = u16(24);
    } else {
        if (bytes.size() < 34)
            return false;
        width = qFromLittleEndian<qint32>(bytes.constData() + 18);
        height = qFromLittleEndian<qint32>(bytes.constData() + 22);
        bitsPerPixel = u16(28);
        compression = u32(30);
    }
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    if (width <= 0 || height == 0)
        return false;
    // 0: plain rows; 3 and 6: plain rows with colour masks.
    if (compression != 0 && compression != 3 && compression != 6)
        return true;
    // Width below 2^31 and at most 32 bits a pixel: the row fits easily.
    const qint64 rowBytes = ((bitsPerPixel * width + 31) / 32) * 4;
    const qint64 rows = height < 0 ? -height : height;
    qint64 pixelBytes = 0;
    qint64 end = 0;
    if (qMulOverflow(rowBytes, rows, &pixelBytes) || qAddOverflow(qint64(pixelsAt), pixelBytes, &end))
        return false;
    return end <= qint64(bytes.size());
}

} // namespace

QImage load(const QString &path)
{
    const auto fail = [&](const QString &why) {
        return GameError(GameError::InvalidPicture, SafeFile::pathAndReason(path, why));
    };
    const QByteArray bytes = SafeFile::read(path, MaxPictureBytes, GameError::InvalidPicture);
    if (!bitmapIsWhole(bytes))
        throw fail(QCoreApplication::translate("PictureFile",
                                               "the bitmap's header is impossible or its pixel rows end early"));
    QImage image;
    if (!image.loadFromData(bytes))
        throw fail(QCoreApplication::translate("PictureFile", "not a picture in any known format"));
    return image;
}

} // namespace PictureFile
