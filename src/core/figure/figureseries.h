#pragma once

#include "figurerecord.h"
#include "rules/tablecatalogue.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

// The three series of a figure (melee weapons, missile weapons, extra items):
// one schema each, used by the record's rows, the figure file's numbered
// sections, the editor's lists and the cost calculation.
namespace tarvello {

struct RulesTables;

enum class FigureSeries { Melee, Missile, ExtraItem };

inline constexpr std::array<FigureSeries, 3> kAllSeries = {
    FigureSeries::Melee, FigureSeries::Missile, FigureSeries::ExtraItem};

// The columns a series row can have.
enum class SeriesColumn { Name, Cost, MaxDamage, AttackRadius, ShortRange, LongRange, Shots, Notes };

// How a list shows a column.
enum class ColumnAlign { Left, Right };

// One column of a series row: what it is, its list header, its key in the
// figure file's section, its kind and how the list aligns it.
struct SeriesColumnSpec
{
    SeriesColumn id;
    const char *header;
    const char *fileKey;
    ColumnKind kind;
    ColumnAlign align;
};

// One series: the word of its numbered sections ("MeleeWeapon1", ...), the
// columns of a selected row (also the keys of a section, in writing order)
// and the columns of an available row (a table row: no Shots).
struct SeriesSchema
{
    const char *sectionWord;
    std::span<const SeriesColumnSpec> selected;
    std::span<const SeriesColumnSpec> available;
    // The inputs' selected rows and the editor's available rows of the series.
    std::vector<ListRow> FigureInputs::*selectedRows;
    std::vector<ListRow> AvailableLists::*availableRows;

    // Position of a column in a selected row; -1 when the series has none.
    int Index(SeriesColumn column) const;
};

const SeriesSchema &Schema(FigureSeries series);

// The selected rows of a series in the inputs, its available rows in lists.
std::vector<ListRow> &SelectedRows(FigureInputs &inputs, FigureSeries series);
const std::vector<ListRow> &SelectedRows(const FigureInputs &inputs, FigureSeries series);
std::vector<ListRow> &AvailableRows(AvailableLists &lists, FigureSeries series);
const std::vector<ListRow> &AvailableRows(const AvailableLists &lists, FigureSeries series);

// One available row per table row of the series, as decimal text.
std::vector<ListRow> TableRows(const RulesTables &tables, FigureSeries series);

// A selected row made from an available one: Shots "0" where the series has
// that column.
ListRow SelectedFromAvailable(FigureSeries series, const ListRow &available);

// The text of a column of a row; empty when the row is shorter or the series
// has no such column.
const std::string &Cell(const ListRow &row, FigureSeries series, SeriesColumn column);

} // namespace tarvello
