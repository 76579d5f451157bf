#pragma once

// Tells Qt how the game's own controls describe themselves to assistive
// technology (picture boxes, labels). Installed once per program, before
// the first form is set up, so no control is described the default way.

namespace AccessibleFactory {

void install();

} // namespace AccessibleFactory
