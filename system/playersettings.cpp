#include "system/playersettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString ColourSymbolsKey = QStringLiteral("Map/ColourSymbols");

} // namespace

namespace PlayerSettings {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/chromaland/chromaland.conf");
}

bool colourSymbols()
{
    // Only a plain file is read: QSettings would take a folder or an
    // unreadable file for an empty one, but says nothing of it.
    const QFileInfo file(path());
    if (!file.isFile() || !file.isReadable())
        return false;
    const QSettings settings(file.filePath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    // Anything but the exact word (a damaged line) is the default, where
    // QVariant would read most text as true.
    return settings.value(ColourSymbolsKey).toString() == QLatin1String("true");
}

void setColourSymbols(bool on)
{
    // QSettings writes a complete new file and renames it into place, so
    // a failed write leaves the old one; it creates the folder too.
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(ColourSymbolsKey, on);
    settings.sync();
}

} // namespace PlayerSettings
