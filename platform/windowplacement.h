#pragma once

// Placing a top-level window before it is shown: centred on its owner, the
// frames the window manager adds counted on both (a window's own frame is
// taken to be as wide as its owner's until it has been shown).

class QWidget;

namespace WindowPlacement {

// Moves the window so that its frame is centred on the owner's frame.
void centreOn(QWidget *window, const QWidget *owner);

} // namespace WindowPlacement
