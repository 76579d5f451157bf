#pragma once

// Where the game's windows stand on the desktop, how large they are and
// which of them has the keyboard focus. Free functions, no state of their
// own.
//
// Under X11 the game places its windows itself: the title centred on the
// screen, the battle centred on the map, frames the window manager adds
// counted on both (a window's own frame is taken to be as wide as its
// owner's until it has been shown). Under Wayland only the compositor
// places windows: the calls that would move one do nothing there, and the
// owner given to each window (its transient parent) is what lets the
// compositor put it over that owner.

#include <QMargins>

class QWidget;

namespace WindowPlacement {

// Keeps the window at its present (design) size. On X11 the size is fixed,
// and window managers then offer no maximize. On Wayland the window may
// only grow, the controls staying where they are: Qt 6.4 there carries
// out every maximize or fullscreen request of the compositor (its own
// window frame offers maximize whatever the window asks for), and with a
// fixed size it would answer it with a window of the wrong size, for which
// the compositor ends the connection, and the game with it.
void keepSize(QWidget *window);

// Whether the platform lets a window choose its own position.
bool windowsCanBePlaced();

// Moves the window so that it is centred on the screen it is shown on.
void centreOnScreen(QWidget *window);

// Moves the window so that its frame is centred on the owner's frame.
void centreOn(QWidget *window, const QWidget *owner);

// The frame the window manager puts around the window, side by side; none
// while it reports a frame that does not hold the window (one it is still
// building on a busy machine: 1 x 1 at the window's corner).
QMargins frameMargins(const QWidget *window);

// Brings a window that was just shown to the front with the keyboard
// focus, through the platform's activation (xdg-activation on Wayland
// where the compositor offers it).
void activate(QWidget *window);

} // namespace WindowPlacement
