#include "system/gameerror.h"

GameError::GameError(int code, const QString &detail)
    : m_code(code)
    , m_description(detail.isEmpty() ? standardText(code)
                                     : standardText(code) + QLatin1String(" (") + detail + QLatin1Char(')'))
    , m_what(m_description.toUtf8())
{
}

QString GameError::standardText(int code)
{
    switch (code) {
    case InvalidArgument: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case Internal: return QStringLiteral("Internal error");
    case FileNotFound: return QStringLiteral("File not found");
    case DiskFull: return QStringLiteral("Disk full");
    case PastEndOfFile: return QStringLiteral("Input past end of file");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathAccess: return QStringLiteral("Path/File access error");
    case InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case InvalidPicture: return QStringLiteral("Invalid picture");
    }
    return QStringLiteral("Application-defined or object-defined error");
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
    return QStringLiteral("Error: %1 : %2").arg(m_code).arg(m_description);
}

GameError GameError::internal(const std::exception &e)
{
    return GameError(Internal, excerpt(QString::fromLocal8Bit(e.what())));
}
