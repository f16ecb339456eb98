#pragma once

#include "figurerecord.h"
#include "figureseries.h"
#include "platform/failure.h"

#include <string>
#include <string_view>
#include <vector>

// A saved figure costed again with the current rules tables, without a
// window: what a table edit made stale in it.
namespace tarvello {

struct RulesTables;

// One value of a copied weapon or item row that differs from the table row
// of the same name: the column's header, the stored and the table's text.
struct ValueChange
{
    std::string header;
    std::string oldValue;
    std::string newValue;

    bool operator==(const ValueChange &) const = default;
};

// A copied row (position row of its series) that differs from its table row.
struct RowChange
{
    FigureSeries series;
    int row;
    std::string name;
    std::vector<ValueChange> values;
};

// What recosting one figure found.
struct FigureRecost
{
    // txtFinalCost as stored in the file.
    std::string storedCost;
    // The final cost calculated now, with the figure's own copied rows.
    std::string newCost;
    // The final cost with every copied row refreshed from its table row.
    std::string refreshedCost;
    // What opening the file reports: a notice for each choice no longer in
    // the tables, and the calculation's failure.
    std::vector<Failure> notices;
    // The copied rows that differ from the tables.
    std::vector<RowChange> changedRows;
    // The figure after opening and with its rows refreshed (both calculated).
    FigureRecord record;
    FigureRecord refreshed;

    // The cost to show for the figure: the refreshed one when asked for.
    const std::string &Cost(bool refreshRows) const
    {
        return refreshRows ? refreshedCost : newCost;
    }
};

// Recosts the figure file held in content; the picture's pixels are skipped
// (they do not take part in the cost). Fails only when the content cannot be
// read as a figure (a failure that StoppedLoading).
Result<FigureRecost> RecostFigureContent(const RulesTables &tables, const std::string &path,
                                         std::string content);

// Recosts the figure file at path; nothing is written.
Result<FigureRecost> RecostFigureFile(const RulesTables &tables, const std::string &path);

// The copied rows of a series replaced by their table rows of the same name
// (a missile row keeps its Shots); rows without a table row stay as they are.
void RefreshRowsFromTables(FigureRecord &record, const RulesTables &tables);

// Recalculates the figure file at path (its rows refreshed from the tables
// when refreshRows) and saves it as the figure editor's Save would, keeping
// its picture, card layout and style. A figure with a choice no longer in
// the tables is not saved: its first notice is returned, so that no choice
// is silently replaced.
Status SaveRecostedFigure(const RulesTables &tables, const std::string &path, bool refreshRows);

// The hint of a just-opened figure whose final cost stored in the file's
// content differs from the recalculated one: "Stored cost 52, now 57 after
// table changes"; empty when the cost is unchanged or none was stored.
std::string StaleCostHint(std::string_view content, const std::string &now);

// "Stored cost 52, now 57 after table changes", whatever the two costs.
std::string StaleCostText(const std::string &stored, const std::string &now);

} // namespace tarvello
