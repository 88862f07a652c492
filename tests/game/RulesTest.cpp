#include "Rules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A board written as its rows, top to bottom: "XX. / OO. / ..." ('.' is a free cell).
Rules::Board board(const std::string& picture)
{
    Rules::Board cells;
    std::size_t next = 0;
    for (char c : picture) {
        if (c == 'X' || c == 'O' || c == '.') {
            cells.at(next++) = c == '.' ? std::string() : std::string(1, c);
        }
    }
    EXPECT_EQ(next, cells.size()) << picture;
    return cells;
}

std::vector<std::string> complete(const std::string& picture, int cell, const char* mark)
{
    std::vector<std::string> names;
    for (const auto& line : Rules::completeLines(board(picture), cell, mark)) {
        names.push_back(std::to_string(line[0]) + "-" + std::to_string(line[1]) + "-" +
                        std::to_string(line[2]));
    }
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(Rules, ALineIsCompleteOnlyWhenAllThreeHoldTheMark)
{
    EXPECT_EQ(complete("XXX / OO. / ...", 3, "X"), Names{"1-2-3"});
    EXPECT_EQ(complete("XXX / OO. / ...", 3, "O"), Names{});
    EXPECT_EQ(complete("XXO / OO. / ...", 3, "X"), Names{}); // X, X, O is nobody's
    EXPECT_EQ(complete("XX. / OO. / ...", 2, "X"), Names{});
    EXPECT_EQ(complete("O.. / O.. / O..", 7, "O"), Names{"1-4-7"});
}

TEST(Rules, EveryCompleteLineThroughTheCellIsFoundInTheTestOrder)
{
    // The ninth move in cell 8 completes its row and its column at once.
    EXPECT_EQ(complete("OXO / OXO / XXX", 8, "X"), (Names{"7-8-9", "2-5-8"}));
    // All four lines through the centre, row first, diagonals last.
    EXPECT_EQ(complete("XXX / XXX / XXX", 5, "X"), (Names{"4-5-6", "2-5-8", "1-5-9", "3-5-7"}));
    // A complete line that does not pass through the cell is not this move's.
    EXPECT_EQ(complete("XXX / OO. / ..O", 9, "X"), Names{});
}

TEST(Rules, CaptionsCompareExactly)
{
    // The marks are assigned as characters: GCC 12 at -O3 warns -Wrestrict, wrongly, when a
    // one-character string literal is assigned to a std::string (GCC bug 105329).
    Rules::Board lower = board("XX. / ... / ...");
    lower[2] = 'x';
    EXPECT_TRUE(Rules::completeLines(lower, 3, "X").empty());
    Rules::Board zero = board("OO. / ... / ...");
    zero[2] = '0'; // the digit, not the letter
    EXPECT_TRUE(Rules::completeLines(zero, 3, "O").empty());
}

TEST(Rules, CellsOffTheBoardCompleteNothing)
{
    EXPECT_TRUE(Rules::completeLines(board("XXX / XXX / XXX"), 0, "X").empty());
    EXPECT_TRUE(Rules::completeLines(board("XXX / XXX / XXX"), 10, "X").empty());
}
