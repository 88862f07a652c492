#include "LineTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

std::string name(const LineTable::Line& line)
{
    return std::to_string(line[0]) + "-" + std::to_string(line[1]) + "-" + std::to_string(line[2]);
}

std::vector<std::string> namesThrough(int cell)
{
    std::vector<std::string> names;
    for (const auto& line : LineTable::linesThrough(cell)) {
        names.push_back(name(line));
    }
    return names;
}

using Names = std::vector<std::string>;

// The eight lines of the board, written out independently of the table.
constexpr LineTable::Line AllLines[] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                                        {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};

} // namespace

TEST(LineTable, EachCellTestsRowThenColumnThenDiagonals)
{
    EXPECT_EQ(namesThrough(1), (Names{"1-2-3", "1-4-7", "1-5-9"}));
    EXPECT_EQ(namesThrough(2), (Names{"1-2-3", "2-5-8"}));
    EXPECT_EQ(namesThrough(3), (Names{"1-2-3", "3-6-9", "3-5-7"}));
    EXPECT_EQ(namesThrough(4), (Names{"4-5-6", "1-4-7"}));
    EXPECT_EQ(namesThrough(5), (Names{"4-5-6", "2-5-8", "1-5-9", "3-5-7"}));
    EXPECT_EQ(namesThrough(6), (Names{"4-5-6", "3-6-9"}));
    EXPECT_EQ(namesThrough(7), (Names{"7-8-9", "1-4-7", "3-5-7"}));
    EXPECT_EQ(namesThrough(8), (Names{"7-8-9", "2-5-8"}));
    EXPECT_EQ(namesThrough(9), (Names{"7-8-9", "3-6-9", "1-5-9"}));
}

TEST(LineTable, TheTableAgreesWithTheEightLines)
{
    // Every line is listed under each of its three cells, and under no other cell.
    std::set<std::string> all;
    for (const auto& line : AllLines) {
        all.insert(name(line));
        for (int cell = 1; cell <= LineTable::CellCount; ++cell) {
            const auto through = LineTable::linesThrough(cell);
            const bool listed = std::find(through.begin(), through.end(), line) != through.end();
            const bool passes = std::find(line.begin(), line.end(), cell) != line.end();
            EXPECT_EQ(listed, passes) << name(line) << " at cell " << cell;
        }
    }
    EXPECT_EQ(all.size(), 8u);
}

TEST(LineTable, NumbersOffTheBoardHaveNoLines)
{
    EXPECT_TRUE(LineTable::linesThrough(0).empty());
    EXPECT_TRUE(LineTable::linesThrough(10).empty());
    EXPECT_TRUE(LineTable::linesThrough(-1).empty());
}
