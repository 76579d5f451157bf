#pragma once

// The enemy clock's rules, apart from the map window: how often a phase
// comes, where a random step leads an enemy and where its band stops it,
// whether a hidden enemy comes back, and how the healing row heals. Plain
// functions of numbers; the window reads its markers and captions, calls
// these with the random source's draws and writes the results back.
// Stateless.

#include <chrono>
#include <optional>

namespace EnemyClock {

// The enemy clock's tick: the map window's timer interval.
inline constexpr std::chrono::milliseconds TickInterval{17};

// Ticks of the enemy clock from one enemy phase to the next.
inline constexpr int PhaseTicks = 100;

enum class Direction { None, Up, Down, Left, Right };

// floor(100 x) + 1 is uniform over 1..100: 10 % stay, 5 % up, 5 % down,
// 40 % left, 40 % right.
Direction directionFor(float x);

// One in three: floor(3 y) = 0.
bool comesBack(float y);

struct Square
{
    float left = 0;
    float top = 0;
};
// The square one step away in that direction for enemy `index` at left,
// top, or nothing when the step would leave the enemies' area (columns 8
// to 328, rows 8 to 328) or cross its band's edge. Whether somebody
// stands there is the window's to ask.
std::optional<Square> stepTarget(Direction direction, int index, float left, float top);

// A statistic after one phase in the healing row: a tenth of the maximum,
// rounded down, added to the value rounded down, and never beyond the
// maximum rounded down. Nothing when the caption stays as it is.
std::optional<double> healed(double value, double maximum);

} // namespace EnemyClock
