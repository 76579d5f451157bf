// Fuzz target: a picture file as the game loads it from the Graphics
// folder, through a file in a private temporary folder. Any input either
// loads as a picture or fails as an invalid picture.

#include "system/gameerror.h"
#include "system/picturefile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// Removed when the run ends (libFuzzer ends through exit()).
std::unique_ptr<QTemporaryDir> folder;

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Image format plugins are found through the application.
    new QCoreApplication(*argc, *argv);
    // In memory where there is such a folder: rewriting a file on disk
    // thousands of times a second waits for the disk.
    folder = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/chromaland-fuzz-XXXXXX"));
    if (!folder->isValid())
        folder = std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("Enemy_0.bmp"));
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size) || ::close(fd) != 0)
        finding("the temporary picture file could not be written");
    try {
        if (PictureFile::load(path).isNull())
            finding("a picture that loaded as nothing");
    } catch (const GameError &e) {
        if (e.code() != GameError::InvalidPicture)
            finding("a picture failure that is not an invalid picture");
    }
    return 0;
}
