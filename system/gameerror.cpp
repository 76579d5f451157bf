#include "system/gameerror.h"

#include <QCoreApplication>

GameError::GameError(int code, const QString &detail)
    : m_code(code)
    //: A failure's standard text (%1) with what it concerns (%2).
    , m_description(detail.isEmpty()
                        ? standardText(code)
                        : QCoreApplication::translate("GameError", "%1 (%2)").arg(standardText(code), detail))
    , m_what(m_description.toUtf8())
{
}

QString GameError::standardText(int code)
{
    const auto text = [](const char *source) { return QCoreApplication::translate("GameError", source); };
    switch (code) {
    case InvalidArgument:
        return text(QT_TRANSLATE_NOOP("GameError", "Invalid procedure call or argument"));
    case Overflow:
        return text(QT_TRANSLATE_NOOP("GameError", "Overflow"));
    case TypeMismatch:
        return text(QT_TRANSLATE_NOOP("GameError", "Type mismatch"));
    case Internal:
        return text(QT_TRANSLATE_NOOP("GameError", "Internal error"));
    case FileNotFound:
        return text(QT_TRANSLATE_NOOP("GameError", "File not found"));
    case DiskFull:
        return text(QT_TRANSLATE_NOOP("GameError", "Disk full"));
    case PastEndOfFile:
        return text(QT_TRANSLATE_NOOP("GameError", "Input past end of file"));
    case DeviceUnavailable:
        return text(QT_TRANSLATE_NOOP("GameError", "Device unavailable"));
    case PermissionDenied:
        return text(QT_TRANSLATE_NOOP("GameError", "Permission denied"));
    case PathAccess:
        return text(QT_TRANSLATE_NOOP("GameError", "Path/File access error"));
    case InvalidPropertyValue:
        return text(QT_TRANSLATE_NOOP("GameError", "Invalid property value"));
    case InvalidPicture:
        return text(QT_TRANSLATE_NOOP("GameError", "Invalid picture"));
    }
    return text(QT_TRANSLATE_NOOP("GameError", "Application-defined or object-defined error"));
}

QString GameError::excerpt(const QString &value)
{
    constexpr qsizetype Longest = 40;
    if (value.size() <= Longest)
        return value;
    return value.left(Longest) + QChar(0x2026);
}

QString GameError::report() const
{
    //: The box shown when the game cannot start: %1 is the failure's code, %2 its description.
    return QCoreApplication::translate("GameError", "Error: %1 : %2").arg(m_code).arg(m_description);
}

GameError GameError::internal(const std::exception &e)
{
    return GameError(Internal, excerpt(QString::fromLocal8Bit(e.what())));
}
