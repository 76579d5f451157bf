#pragma once

// The map's grid in map pixels, named once for the rules, the pictures and
// what screen readers are told of a marker's square: the first square's
// interior at 8, one square every 16 pixels, 21 columns and 22 rows, the
// last of them the healing row, where enemies never go.

namespace MapGrid {

inline constexpr float FirstSquare = 8.0f;
inline constexpr float Step = 16.0f;
inline constexpr int Columns = 21;
inline constexpr int Rows = 22;
// Counted from 1, as a reader is told it.
inline constexpr int HealingRow = Rows;

// The last column's left (328) and the healing row's top (344).
inline constexpr float LastColumn = FirstSquare + Step * (Columns - 1);
inline constexpr float HealingRowTop = FirstSquare + Step * (Rows - 1);
// The lowest row an enemy may stand on.
inline constexpr float LastEnemyRow = HealingRowTop - Step;

} // namespace MapGrid
