#pragma once

// F1 anywhere in the game's own windows (the title, the map, the battle)
// opens the help over that window, F3 on the title and the map the hall
// of the fallen, Ctrl+Q on the map asks whether to save and quit, F4 on
// the title, the map and in a battle silences the game or brings its
// sound back, and F5 on the map switches the enemy cue (F4 and F5 say
// what they did on the window and to a screen reader, and the game keeps
// the choice). In a message box, the help or the hall they do nothing.
// None of them is a key the map's encounter check sees. An
// application-wide event filter, installed once by main() (and by the
// tests that press these keys) and living as long as the application.

#include <QObject>

class FunctionKeys : public QObject
{
    Q_OBJECT

public:
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
