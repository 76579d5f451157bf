#pragma once

// The seven colour groups of the enemies, violet (the strongest) to red:
// each group's name, the colour of its markers on the map and of its skill
// bar, and the number of dots its colour symbol carries. The one table of
// these facts: the pip painter, the icon painter and the tests read it,
// and the map window's form, which keeps its design colours, is checked
// against it by the tests. Constant; nothing here changes while the game
// runs. Needs Qt's QColor alone, so that the painters, built apart from
// the game, read it too.

#include <QColor>
#include <array>

namespace ColourGroups {

// A colour as red, green and blue, 0 to 255 each.
struct Rgb
{
    int red;
    int green;
    int blue;
};

struct Group
{
    const char *name; // in English, as the game's form names the group ("Violet")
    Rgb marker; // the three enemies' markers on the map
    Rgb bar; // the skill bar
    int pips; // the dots of the group's symbol: as many as it is strong
};

inline constexpr int Count = 7;
// Enemies of one group: an enemy's group is its index / EnemiesPerGroup.
inline constexpr int EnemiesPerGroup = 3;

// In the order of the enemy roster (enemies 0 to 2 are violet) and of the
// skill bars.
inline constexpr std::array<Group, Count> All{{
    {"Violet", {255, 0, 255}, {255, 0, 255}, 7},
    // The indigo bar is darker than the indigo markers by design.
    {"Indigo", {0, 0, 192}, {0, 0, 128}, 6},
    {"Blue", {0, 255, 255}, {0, 255, 255}, 5},
    {"Green", {0, 255, 0}, {0, 255, 0}, 4},
    {"Yellow", {255, 255, 0}, {255, 255, 0}, 3},
    {"Orange", {255, 128, 0}, {255, 128, 0}, 2},
    {"Red", {255, 0, 0}, {255, 0, 0}, 1},
}};

inline QColor colour(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace ColourGroups
