#pragma once

// The map's grid in map pixels, for the rules and for what screen readers
// are told of a marker's square: the first square's interior at 8, one
// square every 16 pixels, 21 columns, and the healing row the 22nd row.

namespace MapGrid {

inline constexpr float FirstSquare = 8.0f;
inline constexpr float Step = 16.0f;
inline constexpr int Columns = 21;
inline constexpr int HealingRow = 22;

} // namespace MapGrid
