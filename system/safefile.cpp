#include "system/safefile.h"
#include "system/gameerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

GameError failure(int code, const QString &path, const QString &why)
{
    return GameError(code, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why));
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whatever the device buffers must reach the disk before the file counts
// as written: a full disk may only say so here.
bool syncToDisk(QFileDevice &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

// Rewrites a file the folder will not let us replace. The old content is
// kept in memory and written back if the new content cannot be.
void writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw failure(GameError::PathAccess, path, file.errorString());
    const QByteArray old = file.readAll();
    const auto put = [&](const QByteArray &content) {
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size())
            && syncToDisk(file);
    };
    if (file.error() != QFileDevice::NoError || !put(bytes)) {
        const QString why = file.errorString();
        put(old);
        throw failure(GameError::PathAccess, path, why);
    }
}

} // namespace

QByteArray read(const QString &path, qint64 maxBytes, int failureCode)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw failure(failureCode, path, systemReason());
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const QString why = S_ISDIR(info.st_mode) ? QCoreApplication::translate("SafeFile", "is a folder")
                                                   : QCoreApplication::translate("SafeFile", "is not a regular file");
        ::close(fd);
        throw failure(failureCode, path, why);
    }
    const auto tooLarge = [&] {
        return failure(failureCode, path, QCoreApplication::translate("SafeFile", "larger than %1 bytes").arg(maxBytes));
    };
    if (info.st_size > maxBytes) {
        ::close(fd);
        throw tooLarge();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw failure(failureCode, path, file.errorString());
    }
    // The size may grow while we read: never take more than allowed. Asking
    // for the file's size first keeps a small file from reserving the
    // whole allowance.
    QByteArray bytes = file.read(info.st_size + 1);
    if (bytes.size() > info.st_size && file.error() == QFileDevice::NoError)
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        throw failure(failureCode, path, file.errorString());
    if (bytes.size() > maxBytes)
        throw tooLarge();
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (file.write(bytes) != bytes.size() || !syncToDisk(file)) {
            const QString why = file.errorString();
            file.cancelWriting();
            throw failure(GameError::PathAccess, path, why);
        }
        if (!file.commit())
            throw failure(GameError::PathAccess, path, file.errorString());
        return;
    }
    // No new file can be made beside the old one (a read-only folder), but
    // the file itself may still take the new content.
    const QFileInfo existing(path);
    if (!existing.isFile() || !existing.isWritable())
        throw failure(GameError::PathAccess, path, file.errorString());
    writeInPlace(path, bytes);
}

} // namespace SafeFile
