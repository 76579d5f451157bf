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

// What a key pressed on the map does to an enemy that stands on your
// square: the map looks for one after every key, with these exceptions.
enum class Encounter {
    // It starts the battle.
    Fights,
    // It never does.
    Never,
    // It moves you first, and fights only an enemy on the square it leaves
    // you on.
    WhereItLeavesYou,
    // While you have points to spend it goes to a "+" button instead.
    WithoutPoints,
};

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
    QList<QKeyCombination> presses = {};
    // Handled by the desktop, not by the game (Alt+F4).
    bool desktop = false;
    // A game controller's row: its buttons, each standing for a key of
    // the window; such a row has no presses of its own.
    QList<ButtonPress> buttons = {};
    Effect effect = Effect::Acts;
    // A map row: what the key does to an enemy on your square.
    Encounter encounter = Encounter::Fights;
    // The map's row for every key that has no row of its own.
    bool otherKeys = false;
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

// What `press` on the map does to an enemy on your square: its row's
// encounter, or the row of the other keys'.
Encounter encounterOf(QKeyCombination press);

// The one sentence that says which keys on the map fight an enemy on your
// square, from the map's rows, in the player's language.
QString encounterRule();

// The key that `button` presses on `window`, if it does anything there.
std::optional<QKeyCombination> pressOf(Window window, Gamepad::Button button);

} // namespace GameKeys
