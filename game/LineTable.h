#pragma once

#include <array>
#include <span>

// The eight lines of the board and, for each cell, the lines through it in the
// order a move tests them: row, column, then diagonal 1-5-9 before 3-5-7.
// Cells are numbered 1 to 9 row by row from the top left.
class LineTable {
public:
    using Line = std::array<int, 3>;

    static constexpr int CellCount = 9;

    // The lines through `cell` (1 to 9); an empty span for any other number.
    static std::span<const Line> linesThrough(int cell);
};
