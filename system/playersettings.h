#pragma once

// The player's choices that outlast a run: whether the enemies and the
// skill bars carry their colour symbols, whether the game makes its
// sounds, and whether a cue points to the nearest enemy. Kept as an INI file in the
// player's configuration folder ($XDG_CONFIG_HOME/chromaland/chromaland.conf,
// ~/.config/chromaland/chromaland.conf by default), apart from the
// character and its folder. Read and written whole on each call; nothing
// is held between calls. A file that is damaged, unreadable or a folder
// reads as the defaults, and a write that fails is dropped silently: a
// preference never stops the game.

#include <QString>

#include <optional>

namespace PlayerSettings {

// The file's full path (whether it exists or not).
QString path();

// Off unless the file says "true".
bool colourSymbols();
void setColourSymbols(bool on);

// On unless the file says "false".
bool sound();
void setSound(bool on);

// The player's choice, if one was made.
std::optional<bool> enemyCue();
void setEnemyCue(bool on);

} // namespace PlayerSettings
