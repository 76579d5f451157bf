#pragma once

// Shared fixture for the game's tests: a temporary program folder, message
// boxes answered and recorded, the end of the program recorded instead of
// performed, a fixed clock and an empty random script. Create one per test
// function; everything is put back when it goes.

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class frmMainGameWindow;

class Sandbox
{
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

    // A character file of these lines, each ended by CR LF.
    static QByteArray lines(const QStringList &lines);
    void writeCharacter(const QStringList &lines) const;
    static QStringList defaultLines();

    // Opens the map window on the current folder (start-up runs now).
    frmMainGameWindow *openMap();

    QStringList messages;      // texts of the boxes shown, in order
    QStringList captions;      // their captions
    QList<int> ends;           // exit codes of recorded program ends
    // Called while a box is "open", after it is recorded.
    std::function<void(const QString &text)> onMessage;

    static const QDateTime FixedMoment;

private:
    QTemporaryDir m_dir;
    frmMainGameWindow *m_map = nullptr;
};
