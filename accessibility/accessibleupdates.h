#pragma once

// What the game tells a listening screen reader, and how often. Every
// accessibility event of the program passes through here before it goes
// to the desktop's accessibility bus:
//   - events of a window that is not shown are dropped (a form being set
//     up, the title window once it is hidden, whose bottom line keeps
//     changing unseen);
//   - a name event goes out only when the name really differs from the
//     one last told, and a label that reads as text follows it with the
//     text change itself, old and new, so that the new content travels
//     with the event;
//   - a progress bar's value is never told (the enemy clock fills in
//     1.7 s: a reader's report of it now and then misleads, and every
//     event costs the game the reader's questions about it; the value
//     stays readable at any time);
//   - the map's name, which a reader speaks after each step of the
//     player, carries the way to the nearest or the chosen enemy; when the
//     enemies have moved, a line tells of one that now stands beside the
//     player or on the player's square, each such news once while the
//     player stands still (an enemy that steps to and fro beside a player
//     is not told again at every return);
//   - a notification (the battle's status line) is spoken for the lines
//     its window announces, never for itself as its window opens.
// When the platform's bridge comes up (a reader starts listening), the
// focus is told again: a window activated before that is heard too.
// It also lets a window announce a line to the player (see announce()).
// Installed once per program with the game's accessibility factory; the
// bookkeeping of an object goes with the object, and the last few lines
// announced live on with the window that outlives their own, or with no
// window where that one reads as a dialog (the title behind the help).

#include <functional>

class PictureBox;
class QAccessibleEvent;
class QObject;
class QString;
class QWidget;

namespace AccessibleUpdates {

using Forward = std::function<void(QAccessibleEvent *)>;

void install();

// Has a screen reader speak the object's accessible name and description
// as they are now, without moving the keyboard focus, however late the
// reader asks for them: the words are kept apart from the object, by the
// window that outlives it. Nothing happens while no reader listens.
void announce(QObject *object);

// The enemies on the map have moved: a reader is told of one that now
// stands beside the player or on the player's square, unless that was
// already told since the player last moved. Nothing happens while no
// reader listens.
void othersMoved(PictureBox *map);

// Has a screen reader speak the line in the window now, without moving
// the keyboard focus: for news that no control of the window holds as it
// is meant to be heard (a value just raised, told while the focus stays
// on the button that raised it). The words are kept as announce() keeps
// them. Nothing happens while no reader listens.
void say(QWidget *window, const QString &line);

// Where the events that pass go; by default the platform's accessibility
// bridge. Tests record them here; an empty function restores the bridge.
void forwardTo(Forward forward);

} // namespace AccessibleUpdates
