#pragma once

// The player's choices that outlast a run: for now whether the enemies and
// the skill bars carry their colour symbols. Kept as an INI file in the
// player's configuration folder ($XDG_CONFIG_HOME/chromaland/chromaland.conf,
// ~/.config/chromaland/chromaland.conf by default), apart from the
// character and its folder. Read and written whole on each call; nothing
// is held between calls. A file that is damaged, unreadable or a folder
// reads as the defaults, and a write that fails is dropped silently: a
// preference never stops the game.

#include <QString>

namespace PlayerSettings {

// The file's full path (whether it exists or not).
QString path();

// Off unless the file says "true".
bool colourSymbols();
void setColourSymbols(bool on);

} // namespace PlayerSettings
