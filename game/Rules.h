#pragma once

#include "LineTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What a move decides, from the board alone: the board is the nine cells' captions,
// numbered 1 to 9 row by row from the top left ("", "X" or "O", compared exactly).
class Rules {
public:
    using Board = std::array<std::string, LineTable::CellCount>;

    // The lines through `cell` whose three captions all equal `mark`, in the order a
    // move tests them; empty for a cell outside the board.
    static std::vector<LineTable::Line> completeLines(const Board& board, int cell,
                                                      std::string_view mark);
};
