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
//   - a progress bar's value is told at most once in five seconds (the
//     enemy clock steps 59 times a second, and every event costs the game
//     the reader's questions about it; the value stays readable at any
//     time).
// When the platform's bridge comes up (a reader starts listening), the
// focus is told again: a window activated before that is heard too.
// It also lets a window announce a line to the player (see announce()).
// Installed once per program with the game's accessibility factory; the
// bookkeeping of an object goes with the object, and the last few lines
// announced live on with the window that outlives their own.

#include <functional>

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
