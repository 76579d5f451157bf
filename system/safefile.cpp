#include "system/safefile.h"
#include "system/gameerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

GameError failure(int code, const QString &path, const QString &why)
{
    return GameError(code, pathAndReason(path, why));
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
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size()) && syncToDisk(file);
    };
    if (file.error() != QFileDevice::NoError || !put(bytes)) {
        const QString why = file.errorString();
        put(old);
        throw failure(GameError::PathAccess, path, why);
    }
}

// A link is replaced where it leads, as the reader reads through it.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// The one name a save's new content has beside the file, from the moment
// it is whole until it replaces the file. A fixed name, so that what a
// save cut short leaves is known and removed, and never more than one.
QString pendingPath(const QString &target)
{
    return target + QStringLiteral(".saving");
}

// Removes what an earlier save left under the pending name: a plain file
// only, never a folder or a link.
void discardPending(const QString &pending)
{
    const QByteArray name = QFile::encodeName(pending);
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) == 0 && S_ISREG(info.st_mode))
        ::unlink(name.constData());
}

// The new file a save writes. Where the file system allows, it has no name
// while it is written, and so cannot outlive the process.
struct Pending
{
    int fd = -1;
    bool named = false; // it has the pending name already
    QString why; // why no file could be made
};

Pending openPending(const QString &target, const QString &pending)
{
    // The new file takes the old one's permissions; until then only we
    // may read it.
    struct stat old
    {
    };
    const bool replaces = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const auto keepMode = [&](int fd) {
        if (replaces)
            (void)::fchmod(fd, old.st_mode & 07777);
    };
    const mode_t mode = replaces ? 0600 : 0666;
    Pending file;
    // A nameless file is given its name through /proc.
    if (::access("/proc/self/fd", X_OK) == 0) {
        const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
        file.fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (file.fd >= 0) {
            keepMode(file.fd);
            return file;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            file.why = systemReason();
            return file;
        }
    }
    discardPending(pending);
    file.fd =
        ::open(QFile::encodeName(pending).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (file.fd < 0) {
        file.why = systemReason();
        return file;
    }
    file.named = true;
    keepMode(file.fd);
    return file;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Gives the nameless file the pending name, in place of a file an earlier
// save left under it.
bool nameUnnamed(int fd, const QByteArray &pending)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const auto link = [&] {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, pending.constData(), AT_SYMLINK_FOLLOW) == 0;
    };
    if (link())
        return true;
    if (errno != EEXIST)
        return false;
    discardPending(QFile::decodeName(pending));
    return link();
}

// The new name must reach the disk as the content did, or a power cut
// may bring the old file back.
void syncFolder(const QString &target)
{
    const int fd =
        ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QByteArray read(const QString &path, qint64 maxBytes, int failureCode)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw failure(failureCode, path, systemReason());
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const QString why = S_ISDIR(info.st_mode) ? QCoreApplication::translate("SafeFile", "is a folder")
                                                  : QCoreApplication::translate("SafeFile", "is not a regular file");
        ::close(fd);
        throw failure(failureCode, path, why);
    }
    const auto tooLarge = [&] {
        return failure(failureCode, path,
                       QCoreApplication::translate("SafeFile", "larger than %1 bytes").arg(maxBytes));
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
    const QString target = finalPath(path);
    const QFileInfo existing(target);
    if (existing.isDir())
        throw failure(GameError::PathAccess, path, QCoreApplication::translate("SafeFile", "is a folder"));
    if (existing.exists() && !existing.isWritable())
        throw failure(GameError::PathAccess, path, QCoreApplication::translate("SafeFile", "is not writable"));
    const QString pending = pendingPath(target);
    const Pending file = openPending(target, pending);
    if (file.fd < 0) {
        // No new file can be made beside the old one (a read-only folder),
        // but the file itself may still take the new content.
        if (!existing.isFile())
            throw failure(GameError::PathAccess, path, file.why);
        writeInPlace(target, bytes);
        return;
    }
    const QByteArray pendingName = QFile::encodeName(pending);
    const auto abandon = [&](const QString &why) {
        ::close(file.fd);
        if (file.named)
            ::unlink(pendingName.constData());
        return failure(GameError::PathAccess, path, why);
    };
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0)
        throw abandon(systemReason());
    // The content is whole on disk before it gets the pending name, and
    // the name is given up as soon as it has replaced the file.
    if (!file.named && !nameUnnamed(file.fd, pendingName))
        throw abandon(systemReason());
    if (::rename(pendingName.constData(), QFile::encodeName(target).constData()) != 0) {
        const QString why = systemReason();
        ::unlink(pendingName.constData());
        ::close(file.fd);
        throw failure(GameError::PathAccess, path, why);
    }
    ::close(file.fd);
    syncFolder(target);
}

QString pathAndReason(const QString &path, const QString &why)
{
    //: The detail of a file error: %1 is a file's path (left to right, e.g. "/home/ann/.local/share/chromaland/Character.chx"), %2 the reason, e.g. "is a folder".
    return QCoreApplication::translate("SafeFile", "%1: %2").arg(QDir::toNativeSeparators(path), why);
}

void discardInterrupted(const QString &path)
{
    discardPending(pendingPath(finalPath(path)));
}

} // namespace SafeFile
