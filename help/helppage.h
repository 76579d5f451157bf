#pragma once

// What the help says: the page the help window shows, written for players
// in their language, one translatable paragraph at a time, with the
// game's real numbers, keys and folders filled in. Made afresh each time
// the help opens; it keeps nothing.

#include <QCoreApplication>
#include <QString>

class HelpPage
{
    Q_DECLARE_TR_FUNCTIONS(HelpPage)

public:
    // The whole page as rich text: a list of its parts, then each part
    // under its heading.
    static QString html();

    // The help window's title.
    static QString title();

    // What --colour-symbols does, as the program's --help lists it.
    static QString colourSymbolsOption();
    // What --no-sound does.
    static QString noSoundOption();

private:
    static QString playing();
    static QString skillBars();
    static QString battle();
    static QString advice();
    static QString keys();
    static QString controller();
    // The keys' rows of every window, or the game controller's.
    static QString keyTable(bool buttons);
    static QString character();
    static QString colourSymbols();
    static QString screenReader();
    static QString sound();
    static QString languages();
};
