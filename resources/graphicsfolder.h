#pragma once

// The names of the optional pictures in the Graphics folder beside the
// program, named once: the map window loads them, the pip painter writes
// them, and the colour symbols built into the program keep the same names.

#include <QString>

namespace GraphicsFolder {

inline constexpr char Folder[] = "Graphics";
inline constexpr char MapFile[] = "MapBackground.bmp";
inline constexpr char PlayerFile[] = "Player.bmp";
inline constexpr char HealingFile[] = "Player_Healing.bmp";

// Enemy `index`'s picture, 0 to 20.
inline QString enemyFile(int index)
{
    return QStringLiteral("Enemy_%1.bmp").arg(index);
}

} // namespace GraphicsFolder
