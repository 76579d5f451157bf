#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString overrideFolder;
}

QString ProgramFolder::path()
{
    const QString folder = overrideFolder.isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder;
    return QDir::cleanPath(folder);
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder = folder;
}

void ProgramFolder::clearOverride()
{
    overrideFolder.clear();
}
