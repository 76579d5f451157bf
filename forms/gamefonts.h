#pragma once

// The game's fonts. The layouts name MS Sans Serif at 8.25, 12 and 24
// points; where that face is missing the nearest sans-serif stands in,
// and every size becomes the pixel size those points have at 96 dpi
// (11, 16 and 32 pixels) so that captions fit their controls on any
// screen. Applied once to a window right after its form is set up.

class QWidget;

namespace GameFonts {

// Lets the design face resolve to the game's stand-ins everywhere, so that
// measurements taken while a form is being set up, before adapt(), load no
// other font. Called once when the program starts.
void substituteDesignFace();

// Rewrites the font of the window and of every control that sets its own.
void adapt(QWidget *window);

} // namespace GameFonts
