#include "behaviourmove.h"

namespace tarvello {

std::optional<GridCell> BehaviourMove(int code, GridCell cell, const GridShape &shape)
{
    if (shape.rows <= shape.fixedRows || shape.columns <= shape.fixedColumns)
        return std::nullopt;
    const GridCell first{shape.fixedRows, shape.fixedColumns};
    const GridCell last{shape.rows - 1, shape.columns - 1};
    switch (code) {
    case kBehaviourRight:
        if (++cell.column > last.column) {
            cell.column = first.column;
            if (++cell.row > last.row)
                cell = first;
        }
        return cell;
    case kBehaviourDown:
        if (++cell.row > last.row) {
            cell.row = first.row;
            if (++cell.column > last.column)
                cell = first;
        }
        return cell;
    case kBehaviourUp:
        if (--cell.row < first.row) {
            cell.row = last.row;
            if (--cell.column < first.column)
                cell = last;
        }
        return cell;
    default:
        return std::nullopt;
    }
}

} // namespace tarvello
