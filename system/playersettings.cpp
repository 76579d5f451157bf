#include "system/playersettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString ColourSymbolsKey = QStringLiteral("Map/ColourSymbols");
const QString SoundKey = QStringLiteral("Sound/On");
const QString EnemyCueKey = QStringLiteral("Sound/EnemyCue");

// The word the file holds for the key, or an empty text.
QString valueOf(const QString &key)
{
    // Only a plain file is read: QSettings would take a folder or an
    // unreadable file for an empty one, but says nothing of it.
    const QFileInfo file(PlayerSettings::path());
    if (!file.isFile() || !file.isReadable())
        return QString();
    const QSettings settings(file.filePath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return QString();
    return settings.value(key).toString();
}

// Anything but the exact words (a damaged line) is no choice, where
// QVariant would read most text as true.
std::optional<bool> choiceOf(const QString &key)
{
    const QString value = valueOf(key);
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return std::nullopt;
}

void write(const QString &key, bool on)
{
    // QSettings writes a complete new file and renames it into place, so
    // a failed write leaves the old one; it creates the folder too.
    QSettings settings(PlayerSettings::path(), QSettings::IniFormat);
    settings.setValue(key, on);
    settings.sync();
}

} // namespace

namespace PlayerSettings {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/chromaland/chromaland.conf");
}

bool colourSymbols()
{
    return choiceOf(ColourSymbolsKey).value_or(false);
}

void setColourSymbols(bool on)
{
    write(ColourSymbolsKey, on);
}

bool sound()
{
    return choiceOf(SoundKey).value_or(true);
}

void setSound(bool on)
{
    write(SoundKey, on);
}

std::optional<bool> enemyCue()
{
    return choiceOf(EnemyCueKey);
}

void setEnemyCue(bool on)
{
    write(EnemyCueKey, on);
}

} // namespace PlayerSettings
