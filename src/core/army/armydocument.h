#pragma once

#include "armyfile.h"
#include "armypoints.h"
#include "armyreport.h"
#include "armyunit.h"
#include "armyunits.h"
#include "platform/failure.h"

#include <cstddef>
#include <string>
#include <vector>

// An army as its file holds it: its name, its figure directory, its points
// limit, its unit lines and their total, without any editor. Lines are
// copies of figure summaries: they keep the cost the figure had when added.
namespace tarvello {

class ArmyDocument
{
public:
    // A new army of no lines in the given figure directory; decimalMark is
    // the user's locale decimal mark (counts such as "1,5" read by it).
    explicit ArmyDocument(std::string unitDirectory = {}, char decimalMark = '.');

    const std::string &Name() const { return m_name; }
    const std::string &UnitDirectory() const { return m_unitDirectory; }
    // The points limit (empty: none) and the total against it.
    const std::string &PointsLimit() const { return m_pointsLimit; }
    PointsBalance Balance() const { return BalanceOf(m_total, m_pointsLimit); }
    // The unit lines in their order.
    const ArmyUnits &Units() const { return m_units; }
    // The total as last recalculated ("0" for a new army).
    const std::string &Total() const { return m_total; }
    char DecimalMark() const { return m_decimalMark; }

    // A line break, which a line of the file cannot hold, becomes a blank.
    void SetName(const std::string &text);
    void SetUnitDirectory(const std::string &text);
    // Empty or a whole number (IsPointsLimitText); other text changes
    // nothing and gives false. A changed limit replaces the file's limit
    // field when written.
    bool SetPointsLimit(const std::string &text);

    // Adds count units of size figures: merged into the first line of the
    // same figure name and size (the counts' leading numbers added), else
    // appended as a new line whose summary fields hold no ";" or line break.
    // True when a line was appended. The total is not recalculated.
    bool AddUnits(const FigureSummary &figure, const std::string &count,
                  const std::string &size);
    // Replaces a line, removes count lines from first on.
    void SetUnit(std::size_t line, ArmyUnit unit) { m_units.Set(line, std::move(unit)); }
    void EraseUnits(std::size_t first, std::size_t count = 1) { m_units.Erase(first, count); }
    // Replaces the stored figure cost of each line by costs[line] where that
    // is not empty and differs; true when a line changed.
    bool ReplaceFigureCosts(const std::vector<std::string> &costs);

    // Recomputes the total: round(size x count x cost + total) after every
    // line, halves to even, each factor's leading number. A total beyond 32
    // bits fails ("Overflow", naming the line) and keeps the total as it was.
    Status Recalculate();
    // The same, adding each line to tally (its points by type, its total
    // with costs now) as well.
    Status Recalculate(ArmyTally &tally);

    // Takes what an army file held: name and directory as far as the file
    // had those lines, limit and the third line's tail, and its lines after
    // those already held.
    void Take(ArmyFileContent content);
    // The army file's whole text.
    std::string FileText() const;
    // Writes the army file whole (atomically); a failure ("Error in saving
    // army <path>") leaves the file as it was.
    Status Write(const std::string &path) const;

    // A notice naming the lines (number and figure) whose count, unit size or
    // figure cost is negative; empty when there is none. At most
    // kMaxNamedLines lines are named, the rest counted.
    std::string NegativeValuesNotice() const;
    // A notice that the file's points limit cannot be read, so the army has
    // none; empty when there is none.
    std::string PointsLimitNotice() const;
    static constexpr std::size_t kMaxNamedLines = 10;
    // What the report shows, and its export text.
    ArmyReportData ReportData() const;
    Result<std::string> ExportText() const;

    // Equal when they would write the same file.
    bool operator==(const ArmyDocument &other) const;

private:
    std::string m_name;
    std::string m_unitDirectory;
    std::string m_pointsLimit;
    // The file's third line from its seventeenth field on, kept while the
    // limit is not changed.
    std::string m_headerTail;
    bool m_limitUnreadable = false;
    ArmyUnits m_units;
    std::string m_total = "0";
    char m_decimalMark;
};

} // namespace tarvello
