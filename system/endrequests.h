#pragma once

// The requests from outside the game to end it, or to keep what it holds,
// turned into plain signals on the user-interface thread:
//
// - SIGTERM (a shutdown, a logout), SIGHUP (the terminal closed) and
//   SIGINT (Ctrl+C) ask to end. Their handler only notes the signal and
//   wakes the interface thread through an eventfd, which a socket notifier
//   reads between events, in any event loop, modal ones included: no Qt
//   code runs inside the handler. Signals that come within BurstMilliseconds
//   of the first are that one request: a logout sends SIGTERM and SIGHUP
//   at once, a closed terminal may send SIGHUP twice. One that comes later
//   ends the program at once with 128 + its number, as an unhandled signal
//   would: a save it cuts short leaves the old file or the new one whole
//   (SafeFile).
// - The application's Quit event, which Qt sends when the X11 session
//   manager tells the program to die at the end of a session, asks to end.
// - The session manager's request to commit data (before a logout, or at
//   a checkpoint) asks to keep, without ending.
// - Qt ends the program at once when the Wayland compositor or the X
//   server goes away; the one moment it leaves is the warning it gives
//   just before. That warning asks to keep: given on another thread, it
//   holds that thread (for two seconds at most) while the interface
//   thread does.
//
// install() is called once, by main(); the object lives as long as the
// application.

#include <QObject>

class EndRequests : public QObject
{
    Q_OBJECT

public:
    // Signals that come within this time of the first are one request.
    static constexpr int BurstMilliseconds = 1000;

    static EndRequests *install();
    ~EndRequests() override;

signals:
    void endRequested();
    void keepRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EndRequests(QObject *parent);
    void readSignals();
};
