#include "platform/picturefile.h"
#include "platform/gameerror.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace PictureFile {

namespace {

// Whether an uncompressed bitmap holds all the pixel rows its header
// declares. Compressed bitmaps have no fixed size and are left to Qt.
bool bitmapIsWhole(const QByteArray &bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return true;   // not a plain bitmap file: nothing more to check
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const quint32 pixelsAt = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == 12) {   // the old OS/2 header
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
    // 0: plain rows; 3 and 6: plain rows with colour masks.
    if (compression != 0 && compression != 3 && compression != 6)
        return true;
    if (width < 0)
        return false;
    const qint64 rowBytes = ((bitsPerPixel * width + 31) / 32) * 4;
    const qint64 rows = height < 0 ? -height : height;
    return qint64(pixelsAt) + rowBytes * rows <= qint64(bytes.size());
}

} // namespace

QImage load(const QString &path)
{
    const auto fail = [&](const QString &why) {
        return GameError(GameError::InvalidPicture, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fail(file.errorString());
    const QByteArray bytes = file.readAll();
    file.close();
    if (!bitmapIsWhole(bytes))
        throw fail(QStringLiteral("the bitmap ends before its last pixel row"));
    QImage image;
    if (!image.loadFromData(bytes))
        throw fail(QStringLiteral("not a picture in any known format"));
    return image;
}

} // namespace PictureFile
