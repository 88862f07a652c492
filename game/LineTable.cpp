#include "LineTable.h"

namespace {

using Line = LineTable::Line;

constexpr Line Row1{1, 2, 3}, Row2{4, 5, 6}, Row3{7, 8, 9};
constexpr Line Column1{1, 4, 7}, Column2{2, 5, 8}, Column3{3, 6, 9};
constexpr Line Falling{1, 5, 9}, Rising{3, 5, 7};

constexpr std::array<Line, 3> Cell1{Row1, Column1, Falling};
constexpr std::array<Line, 2> Cell2{Row1, Column2};
constexpr std::array<Line, 3> Cell3{Row1, Column3, Rising};
constexpr std::array<Line, 2> Cell4{Row2, Column1};
constexpr std::array<Line, 4> Cell5{Row2, Column2, Falling, Rising};
constexpr std::array<Line, 2> Cell6{Row2, Column3};
constexpr std::array<Line, 3> Cell7{Row3, Column1, Rising};
constexpr std::array<Line, 2> Cell8{Row3, Column2};
constexpr std::array<Line, 3> Cell9{Row3, Column3, Falling};

constexpr std::array<std::span<const Line>, LineTable::CellCount> ByCell{
    Cell1, Cell2, Cell3, Cell4, Cell5, Cell6, Cell7, Cell8, Cell9};

} // namespace

std::span<const LineTable::Line> LineTable::linesThrough(int cell)
{
    if (cell < 1 || cell > CellCount) {
        return {};
    }
    return ByCell[static_cast<std::size_t>(cell - 1)];
}
