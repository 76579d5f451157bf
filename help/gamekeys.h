#pragma once

// Every key of every window of the game, in one table: the help lists it,
// and the key test presses every row and looks for keys the game acts on
// that are missing from it. Built afresh on each call, in the player's
// language; nothing here changes while the game runs.

#include "logic/gamerules.h"

#include <QKeyCombination>
#include <QList>
#include <QString>

namespace GameKeys {

enum class Window { Title, Map, Battle, Help, MessageBox };

struct Key
{
    Window window = Window::Title;
    // The key as the player reads it ("F1", "Alt+A").
    QString name;
    // What it does there.
    QString action;
    // The presses that stand for the row; the test presses each.
    QList<QKeyCombination> presses;
    // Handled by the desktop, not by the game (Alt+F4).
    bool desktop = false;
};

// The help's own key and the map's colour symbols (GameRules names them).
inline constexpr Qt::Key Help = GameRules::KeyHelp;
inline constexpr Qt::Key ColourSymbols = GameRules::KeyColourSymbols;

// A key as the help names it ("Ctrl+A", "F1"), from the game's own
// catalogue in the player's language.
QString name(QKeyCombination key);

// In the order the help lists them: title, map, battle, help, message boxes.
QList<Key> all();

// The rows of one window.
QList<Key> of(Window window);

} // namespace GameKeys
