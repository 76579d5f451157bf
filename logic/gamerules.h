#pragma once

// The fixed numbers and words of the game's rules, named once: the map's
// grid, the arrow keys, the enemy roster, the skill bars and their awards,
// the battle's results and the instruction sentences that the title and
// the battle window share. Nothing here changes while the game runs.

#include "resources/colourgroups.h"
#include "widgets/mapgrid.h"

#include <QLatin1String>
#include <QtCore/qnamespace.h>
#include <QString>
#include <array>

namespace GameRules {

// --- The map grid, in map pixels --------------------------------------------
using MapGrid::FirstSquare;
using MapGrid::HealingRowTop;
using MapGrid::LastColumn;
using MapGrid::LastEnemyRow;
using MapGrid::Step;

// --- Keys -------------------------------------------------------------------
// The map's movement codes: the system's virtual-key codes of the four
// arrows, as pic_WorldMap_KeyDown takes them; every other key is None. A
// type of their own, so that one is never compared with a Qt key.
enum class VirtualKey { None = 0, Left = 37, Up = 38, Right = 39, Down = 40 };

// The game's function keys, as Qt names them.
namespace FunctionKey {
// The help, on the title, the map and the battle window.
inline constexpr Qt::Key Help = Qt::Key_F1;
// The map's colour symbols, on and off.
inline constexpr Qt::Key ColourSymbols = Qt::Key_F2;
// The hall of the fallen, on the title and the map.
inline constexpr Qt::Key Hall = Qt::Key_F3;
// The game's sound, off and on, on the title, the map and the battle window.
inline constexpr Qt::Key SoundSwitch = Qt::Key_F4;
// The map's enemy cue, on and off.
inline constexpr Qt::Key EnemyCue = Qt::Key_F5;
} // namespace FunctionKey

// --- The character file -----------------------------------------------------
// Its first lines are the eight statistics (ST, DX, WS, HPc, HPm, MPc, MPm,
// pts), then one skill line for each colour.
inline constexpr int StatisticLines = 8;

// --- Enemies and skills -----------------------------------------------------
inline constexpr int ColourCount = ColourGroups::Count;
// Enemies of one colour; an enemy's colour group is its index / 3.
inline constexpr int EnemiesPerColour = ColourGroups::EnemiesPerGroup;
inline constexpr int EnemyCount = ColourCount * EnemiesPerColour;
// Violet to red: the order of the skill bars and of the file's skill lines.
enum Colour { Violet, Indigo, Blue, Green, Yellow, Orange, Red };

// A skill level is 150 twips of bar; a bar that grows past 2700 (level 18)
// starts again at level 1 and awards points to spend, most for violet.
inline constexpr float TwipsPerLevel = 150.0f;
inline constexpr float FullSkillBarTwips = 2700.0f;
inline constexpr std::array<int, ColourCount> WrapAwards = {30, 25, 20, 16, 12, 8, 4};

// --- Battle results, as lbl_EnemyTag carries them back --------------------
inline constexpr QLatin1String Dead("DEAD");
inline constexpr QLatin1String Retreat("Retreat");

// --- Instruction sentences shown both on the title and in battle ------------
// In the player's language.
QString attackInstruction();
QString retreatInstruction();

} // namespace GameRules
