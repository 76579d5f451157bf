#pragma once

// Every key of every window of the game, and every button of a game
// controller, in one table: the help lists it, the controller's buttons
// act through it (each sends its row's key), and the key test presses
// every row and looks for keys and buttons the game acts on that are
// missing from it. Built afresh on each call, in the player's
// language; nothing here changes while the game runs.

#include "logic/gamerules.h"
#include "system/gamepad.h"

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>

namespace GameKeys {

enum class Window { Title, Map, Battle, Help, Hall, MessageBox, Question };

// A controller's button and the key it presses.
struct ButtonPress
{
    Gamepad::Button button = Gamepad::Button::A;
    QKeyCombination press;
};

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
    // A game controller's row: its buttons, each standing for a key of
    // the window; such a row has no presses of its own.
    QList<ButtonPress> buttons = {};
};

// The game's function keys (GameRules names them).
inline constexpr Qt::Key Help = GameRules::FunctionKey::Help;
inline constexpr Qt::Key ColourSymbols = GameRules::FunctionKey::ColourSymbols;
inline constexpr Qt::Key Hall = GameRules::FunctionKey::Hall;
// On the map: asks whether to save and quit (the desktop's usual key for
// quitting a program).
inline constexpr QKeyCombination SaveAndQuit(Qt::ControlModifier, Qt::Key_Q);
inline constexpr Qt::Key SoundSwitch = GameRules::FunctionKey::SoundSwitch;
inline constexpr Qt::Key EnemyCue = GameRules::FunctionKey::EnemyCue;

// A key as the help names it ("Ctrl+A", "F1"), from the game's own
// catalogue in the player's language.
QString name(QKeyCombination key);

// In the order the help lists them: title, map, battle, help, hall,
// message boxes, the question whether to save and quit.
QList<Key> all();

// The rows of one window.
QList<Key> of(Window window);

// The key that `button` presses on `window`, if it does anything there.
std::optional<QKeyCombination> pressOf(Window window, Gamepad::Button button);

} // namespace GameKeys
