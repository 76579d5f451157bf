#pragma once

// A failure of a game operation: a stable numeric code and a readable
// description. Thrown by the character file, picture loading and caption
// conversions; the map window reports it to the player as report() words
// it: "Error: <code> : <description>".

#include <QString>
#include <exception>

class GameError : public std::exception
{
public:
    // Stable codes: a player who reports one tells us which failure it was.
    enum Code {
        InvalidArgument = 5, // a line shorter than its key
        Overflow = 6, // a number too large for where it goes
        TypeMismatch = 13, // text that is not a number
        Internal = 51, // a fault of the game itself
        FileNotFound = 53,
        DiskFull = 61,
        PastEndOfFile = 62, // fewer lines than the file must have
        DeviceUnavailable = 68, // the game controllers' library or devices
        PermissionDenied = 70,
        PathAccess = 75, // cannot open, read or write the path
        InvalidPropertyValue = 380,
        InvalidPicture = 481, // a file that is not a picture
    };

    GameError(int code, const QString &detail = QString());

    int code() const { return m_code; }
    // The standard text for the code, followed by the detail when there is one.
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // "Error: <code> : <description>", as the player sees it.
    QString report() const;
    // Any other failure, as an internal error.
    static GameError internal(const std::exception &e);

    static QString standardText(int code);
    // A value as a message may quote it: at most 40 characters, then an
    // ellipsis, so that a huge value cannot stall or stretch the message.
    static QString excerpt(const QString &value);

private:
    int m_code;
    QString m_description;
    QByteArray m_what;
};
