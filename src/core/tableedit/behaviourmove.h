#pragma once

#include <optional>

// Where the cell editor's Enter, Tab and arrow behaviours move the current
// cell of a grid.
namespace tarvello {

struct GridCell
{
    int row = 0;
    int column = 0;
    bool operator==(const GridCell &) const = default;
};

// The grid's size: all rows and columns, and how many of them are fixed
// (captions) at the top and the left.
struct GridShape
{
    int rows = 0;
    int columns = 0;
    int fixedRows = 0;
    int fixedColumns = 0;
};

// Behaviour codes of the cell editor.
inline constexpr int kBehaviourFocusGrid = 0;
inline constexpr int kBehaviourRight = 1;
inline constexpr int kBehaviourDown = 2;
inline constexpr int kBehaviourUp = 3;

// The cell that behaviour code moves to from cell: 1 right (wrapping to the
// next row, then to the first cell), 2 down (wrapping to the next column,
// then to the first cell), 3 up (wrapping to the previous column's last row,
// then to the grid's last cell). nullopt for codes that do not move and for
// a grid without non-fixed cells.
std::optional<GridCell> BehaviourMove(int code, GridCell cell, const GridShape &shape);

} // namespace tarvello
