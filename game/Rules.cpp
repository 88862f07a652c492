#include "Rules.h"

#include <algorithm>

std::vector<LineTable::Line> Rules::completeLines(const Board& board, int cell,
                                                  std::string_view mark)
{
    std::vector<LineTable::Line> complete;
    for (const LineTable::Line& line : LineTable::linesThrough(cell)) {
        // The cells are read in ascending order; the first that differs ends the test.
        if (std::all_of(line.begin(), line.end(), [&](int other) {
                return board[static_cast<std::size_t>(other - 1)] == mark;
            })) {
            complete.push_back(line);
        }
    }
    return complete;
}
