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

class QKeyEvent;

namespace GameKeys {

enum class Window { Title, Map, Battle, Help, Hall, MessageBox, Question };

// A controller's button and the key it presses.
struct ButtonPress
{
    Gamepad::Button button = Gamepad::Button::A;
    QKeyCombination press;
};

// What pressing a row's keys does on its window.
enum class Effect {
    // What the row says; the window changes.
    Acts,
    // With an enemy on the player's square, starts its battle.
    Fights,
    // Nothing at all, not even a battle with an enemy on the player's
    // square: keys that belong to the desktop or the screen reader.
    Nothing,
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
    Effect effect = Effect::Acts;
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

// Whether a key, pressed on the map, does nothing at all: modifiers,
// locks and the screen reader's keys, alone (the map's row of Nothing).
bool doesNothingOnMap(int key);

// The enemy a key on the map asks for, if it asks for one: the next
// farther or nearer of those the player can see, or the nearest of a
// colour, by its symbol's number of dots ("1" red to "7" violet).
struct EnemyChoice
{
    enum Step { Farther, Nearer, OfColour } step = Farther;
    int colour = -1; // the colour group, with OfColour
};
std::optional<EnemyChoice> enemyChoice(const QKeyEvent &event);

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
