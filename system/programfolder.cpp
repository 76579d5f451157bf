#include "system/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString overrideFolder;

QString ownFolder()
{
#ifdef CHROMALAND_INSTALLED
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A failure shows up when the character file cannot be written there.
    QDir().mkpath(folder);
    return folder;
#else
    return QCoreApplication::applicationDirPath();
#endif
}
} // namespace

QString ProgramFolder::path()
{
    const QString folder = overrideFolder.isEmpty() ? ownFolder() : overrideFolder;
    return QDir::cleanPath(folder);
}

QString ProgramFolder::archiveFolder()
{
#ifdef CHROMALAND_INSTALLED
    return path();
#else
    return QStringLiteral(".");
#endif
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder = folder;
}

void ProgramFolder::clearOverride()
{
    overrideFolder.clear();
}
