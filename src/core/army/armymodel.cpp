#include "armymodel.h"

#include "platform/messagetexts.h"

#include "armyfile.h"
#include "figuresummary.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tarvello {

namespace {

std::string SingleLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// Restores the Loading flag as it was when it leaves scope.
class LoadingScope
{
public:
    explicit LoadingScope(bool &loading) : m_loading(loading), m_before(loading)
    {
        m_loading = true;
    }
    ~LoadingScope() { m_loading = m_before; }
    LoadingScope(const LoadingScope &) = delete;
    LoadingScope &operator=(const LoadingScope &) = delete;

private:
    bool &m_loading;
    bool m_before;
};

} // namespace

ArmyModel::ArmyModel(std::string unitDirectory, char decimalMark)
    : m_unitDirectory(SingleLine(std::move(unitDirectory)))
    , m_decimalMark(decimalMark)
{
    m_history.Reset(Snapshot());
}

void ArmyModel::SetArmyName(const std::string &text)
{
    m_armyName = SingleLine(text);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Army Name"), "txtArmyName");
}

void ArmyModel::SetUnitDirectory(const std::string &text)
{
    m_unitDirectory = SingleLine(text);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Directory"), "txtUnitDirectory");
}

bool ArmyModel::SetPointsLimit(const std::string &text)
{
    if (!IsPointsLimitText(text))
        return false;
    if (text != m_pointsLimit)
        m_headerTail.clear();
    m_pointsLimit = text;
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Points Limit"), "txtPointsLimit");
    return true;
}

Status ArmyModel::ScanFigures()
{
    Result<std::vector<FigureSummary>> scanned = ScanFigureFolder(FolderPath(m_unitDirectory));
    ++m_availableRevision;
    if (!scanned) {
        // No stale rows: the list shows nothing of a folder it cannot list.
        m_available.clear();
        return scanned.status();
    }
    m_available = std::move(scanned).value();
    return {};
}

Status ArmyModel::Browse(const std::string &folder)
{
    if (folder.empty())
        return {};
    m_unitDirectory = SingleLine(folder);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Change Directory"));
    return ScanFigures();
}

Status ArmyModel::Add(int availableRow)
{
    if (availableRow < 0 || static_cast<std::size_t>(availableRow) >= m_available.size())
        return {};
    ArmyUnit added;
    added.Count() = m_unitsToAdd;
    added.Size() = m_unitSizeAdd;
    const FigureSummary &figure = m_available[static_cast<std::size_t>(availableRow)];
    for (std::size_t i = 0; i < kSummaryFields; ++i)
        added.fields[i + 2] = UnitFieldText(figure.fields[i]);
    const std::size_t same = m_units.FindFirst([&added](const ArmyUnit &unit) {
        return unit.Summary(kFigureName) == added.Summary(kFigureName)
               && unit.Size() == added.Size();
    });
    if (same < m_units.size()) {
        ArmyUnit merged = m_units[same];
        merged.Count() = NumberText(LeadingNumber(merged.Count()) + LeadingNumber(m_unitsToAdd),
                                    m_decimalMark);
        m_units.Set(same, std::move(merged));
    } else {
        m_units.PushBack(std::move(added));
        if (m_units.size() == 1) {
            // Writing them back through the boxes' reactions would change
            // nothing: the total is recomputed below.
            m_selected = 0;
            m_unitCount = m_units[0].Count();
            m_unitSize = m_units[0].Size();
        }
    }
    UnitsChanged();
    Status total = RecalcTotal();
    Step(FillText(msg::kStepAdd, {figure.fields[kFigureName]}));
    return total;
}

void ArmyModel::DeleteSelected()
{
    m_units.Erase(static_cast<std::size_t>(m_selected));
    m_selected = -1;
    UnitsChanged();
}

void ArmyModel::ClearModifyBoxes()
{
    m_selected = -1;
    // assign(count, char) rather than = "0": GCC 12 sees a false overlap in the
    // inlined copy of a literal (-Wrestrict) once it optimises.
    m_unitCount.assign(1, '0');
    m_unitSize.assign(1, '0');
}

Status ArmyModel::Remove()
{
    if (m_selected < 0)
        return {};
    std::string name = FillText(msg::kStepRemove, {SelectedName()});
    DeleteSelected();
    if (!m_units.empty())
        (void)ShowSelectedUnit(0);
    else
        ClearModifyBoxes();
    m_changed = true;
    Status total = RecalcTotal();
    Step(std::move(name));
    return total;
}

Status ArmyModel::ReplaceFigureCosts(const std::vector<std::string> &costs)
{
    bool replaced = false;
    for (std::size_t i = 0; i < m_units.size() && i < costs.size(); ++i) {
        if (!costs[i].empty() && costs[i] != m_units[i].Summary(kCost)) {
            ArmyUnit unit = m_units[i];
            unit.fields[kCost + 2] = costs[i];
            m_units.Set(i, std::move(unit));
            replaced = true;
        }
    }
    if (!replaced)
        return {};
    UnitsChanged();
    m_changed = true;
    Status total = RecalcTotal();
    Step(TV_TR("Core", "Update Army Costs"));
    return total;
}

Status ArmyModel::SelectUnit(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_units.size())
        return {};
    Status shown = ShowSelectedUnit(row);
    // Selecting is no step, but later steps start from it.
    m_history.Amend(Snapshot());
    return shown;
}

// Shows a unit's count, whose reaction deletes a line of count 0 and shows
// the first line instead, until a line remains whose count is not 0 or none
// remains: the line shown when its count is 0, then every line of count 0 at
// the front. They go in one pass, so an army of many such lines opens in
// time proportional to its lines. The size is written only for the line
// whose count was shown, so no line's size lands on another line. The total
// is recomputed without a change mark.
Status ArmyModel::ShowSelectedUnit(int row)
{
    const LoadingScope loading(m_loading);
    const auto countIsZero = [this](const ArmyUnit &unit) {
        const std::optional<double> count = LocaleNumber(unit.Count(), m_decimalMark);
        return count && *count == 0;
    };
    m_selected = row;
    if (countIsZero(m_units[static_cast<std::size_t>(row)])) {
        m_units.Erase(static_cast<std::size_t>(row));
        m_units.Erase(0, m_units.FindFirst([&](const ArmyUnit &unit) { return !countIsZero(unit); }));
        UnitsChanged();
        if (m_units.empty()) {
            ClearModifyBoxes();
            return RecalcTotal();
        }
        m_selected = 0;
    }
    m_unitCount = m_units[static_cast<std::size_t>(m_selected)].Count();
    m_unitSize = m_units[static_cast<std::size_t>(m_selected)].Size();
    return RecalcTotal();
}

Status ArmyModel::CountReaction()
{
    const std::optional<double> count = LocaleNumber(m_unitCount, m_decimalMark);
    // A count that is not a number (from a hand-edited file) neither
    // deletes nor changes the line.
    if (!count)
        return {};
    if (*count == 0) {
        DeleteSelected();
        if (!m_units.empty())
            (void)ShowSelectedUnit(0);
        else
            ClearModifyBoxes();
    } else {
        ArmyUnit unit = m_units[static_cast<std::size_t>(m_selected)];
        unit.Count() = m_unitCount;
        m_units.Set(static_cast<std::size_t>(m_selected), std::move(unit));
        LineChanged(m_selected);
    }
    return RecalcTotal();
}

Status ArmyModel::SetUnitCount(const std::string &text)
{
    m_unitCount = text;
    if (m_selected < 0)
        return {};
    const std::string name = FillText(msg::kStepChangeCount, {SelectedName()});
    const int row = m_selected;
    Status total = CountReaction();
    Step(name, "Count " + std::to_string(row));
    return total;
}

Status ArmyModel::SetUnitSize(const std::string &text)
{
    m_unitSize = text;
    if (m_selected < 0)
        return {};
    ArmyUnit unit = m_units[static_cast<std::size_t>(m_selected)];
    unit.Size() = text;
    m_units.Set(static_cast<std::size_t>(m_selected), std::move(unit));
    LineChanged(m_selected);
    Status total = RecalcTotal();
    Step(FillText(msg::kStepChangeSize, {SelectedName()}), "Size " + std::to_string(m_selected));
    return total;
}

Status ArmyModel::RecalcTotal()
{
    if (!m_loading)
        m_changed = true;
    std::int32_t total = 0;
    std::size_t line = 0;
    std::string failed;
    m_units.ForEach([&](const ArmyUnit &unit, double points) {
        if (!failed.empty())
            return;
        ++line;
        try {
            total = ToInt32(points + total);
        } catch (const RuntimeError &e) {
            failed = std::string(e.what()) + "\r\n" + UnitLinePlace(line, unit);
        }
    });
    if (!failed.empty())
        return Failure{TV_TR("Core", "Error in calculating cost!"), failed};
    m_armyCost = std::to_string(total);
    return {};
}

Status ArmyModel::Open(const std::string &path)
{
    Status opened = OpenFile(path);
    m_history.Reset(Snapshot());
    return opened;
}

Status ArmyModel::OpenFile(const std::string &path)
{
    const LoadingScope loading(m_loading);
    m_fileName = path;
    const Failure failed{FillText(msg::kErrorLoading, {path}), ""};
    const auto fail = [&failed](const std::string &description) {
        return Failure{failed.sentence, description};
    };
    m_readIncompletely = true;
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return fail(ReadFailureDescription(path));
    ArmyFileContent content = ParseArmyFile(*bytes);
    bytes.reset();
    m_readIncompletely = !content.error.empty();
    if (content.lineCount >= 1)
        m_armyName = SingleLine(std::move(content.name));
    if (content.lineCount >= 2)
        m_unitDirectory = SingleLine(std::move(content.directory));
    m_pointsLimit = std::move(content.pointsLimit);
    m_headerTail = std::move(content.headerTail);
    m_limitUnreadable = content.limitUnreadable;
    if (m_units.empty()) {
        m_units = ArmyUnits(std::move(content.units));
    } else {
        for (ArmyUnit &unit : content.units)
            m_units.PushBack(std::move(unit));
    }
    UnitsChanged();
    if (!content.error.empty())
        return fail(content.error);
    m_caption = FillText(msg::kArmyCaption, {m_armyName});
    if (const Status scanned = ScanFigures(); !scanned)
        return fail(scanned.failure().description);
    if (!m_units.empty())
        (void)ShowSelectedUnit(0);
    if (const Status total = RecalcTotal(); !total)
        return fail(total.failure().description);
    m_changed = false;
    return {};
}

Status ArmyModel::WriteArmy(const std::string &path)
{
    const Status written = WriteFileAtomically(path,
                                               ArmyFileText(m_armyName, m_unitDirectory, m_units,
                                                            m_pointsLimit, m_headerTail));
    if (!written)
        return Failure{FillText(msg::kErrorSavingArmy, {path}), written.failure().description, FailureKind::CannotWrite};
    m_changed = false;
    m_readIncompletely = false;
    m_history.MarkSaved();
    return {};
}

std::string ArmyModel::NegativeValuesNotice() const
{
    std::string named;
    std::size_t count = 0;
    std::size_t line = 0;
    m_units.ForEach([&](const ArmyUnit &unit, double) {
        ++line;
        if (LeadingNumber(unit.Count()) >= 0 && LeadingNumber(unit.Size()) >= 0
            && LeadingNumber(unit.Summary(kCost)) >= 0)
            return;
        if (++count > kMaxNamedLines)
            return;
        named += (count > 1 ? ", " : "") + std::to_string(line) + " ("
                 + unit.Summary(kFigureName).substr(0, 64) + ')';
    });
    if (count == 0)
        return {};
    if (count > kMaxNamedLines)
        named += " and " + std::to_string(count - kMaxNamedLines) + " more";
    return "The army has negative counts, unit sizes or costs in line"
           + std::string(count > 1 ? "s " : " ") + named
           + ". They are counted as they are, so the total is lower than the other lines cost.";
}

std::string ArmyModel::PointsLimitNotice() const
{
    if (!m_limitUnreadable)
        return {};
    constexpr std::size_t kShown = 64;
    const std::string field = m_headerTail.substr(1, kShown) + (m_headerTail.size() > kShown + 1 ? "..." : "");
    return "The points limit of this army file cannot be read (\"" + field
           + "\"): the army is shown without a limit. The file keeps its field as it is unless "
             "you set a limit, a whole number from 0 to 999,999,999.";
}

ArmyReportData ArmyModel::ReportData() const
{
    return ArmyReportData{m_armyName, m_armyCost, m_units.Vector()};
}

Result<std::string> ArmyModel::ExportText() const
{
    return ArmyExportText(ReportData(), m_decimalMark);
}

} // namespace tarvello
