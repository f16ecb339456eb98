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
    : m_document(std::move(unitDirectory), decimalMark)
{
    m_history.Reset(Snapshot());
}

void ArmyModel::SetArmyName(const std::string &text)
{
    m_document.SetName(text);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Army Name"), "txtArmyName");
}

void ArmyModel::SetUnitDirectory(const std::string &text)
{
    m_document.SetUnitDirectory(text);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Directory"), "txtUnitDirectory");
}

bool ArmyModel::SetPointsLimit(const std::string &text)
{
    if (!m_document.SetPointsLimit(text))
        return false;
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Edit Points Limit"), "txtPointsLimit");
    return true;
}

Status ArmyModel::ScanFigures()
{
    Result<std::vector<FigureSummary>> scanned = ScanFigureFolder(FolderPath(m_document.UnitDirectory()));
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
    m_document.SetUnitDirectory(folder);
    if (!m_loading)
        m_changed = true;
    Step(TV_TR("Core", "Change Directory"));
    return ScanFigures();
}

Status ArmyModel::Add(int availableRow)
{
    if (availableRow < 0 || static_cast<std::size_t>(availableRow) >= m_available.size())
        return {};
    const FigureSummary &figure = m_available[static_cast<std::size_t>(availableRow)];
    if (m_document.AddUnits(figure, m_unitsToAdd, m_unitSizeAdd) && Units().size() == 1) {
        // Writing them back through the boxes' reactions would change
        // nothing: the total is recomputed below.
        m_selected = 0;
        m_unitCount = Units()[0].Count();
        m_unitSize = Units()[0].Size();
    }
    UnitsChanged();
    Status total = RecalcTotal();
    Step(FillText(msg::kStepAdd, {figure.fields[kFigureName]}));
    return total;
}

void ArmyModel::DeleteSelected()
{
    m_document.EraseUnits(static_cast<std::size_t>(m_selected));
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
    if (!Units().empty())
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
    if (!m_document.ReplaceFigureCosts(costs))
        return {};
    UnitsChanged();
    m_changed = true;
    Status total = RecalcTotal();
    Step(TV_TR("Core", "Update Army Costs"));
    return total;
}

Status ArmyModel::SelectUnit(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= Units().size())
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
        const std::optional<double> count = LocaleNumber(unit.Count(), DecimalMark());
        return count && *count == 0;
    };
    m_selected = row;
    if (countIsZero(Units()[static_cast<std::size_t>(row)])) {
        m_document.EraseUnits(static_cast<std::size_t>(row));
        m_document.EraseUnits(
            0, Units().FindFirst([&](const ArmyUnit &unit) { return !countIsZero(unit); }));
        UnitsChanged();
        if (Units().empty()) {
            ClearModifyBoxes();
            return RecalcTotal();
        }
        m_selected = 0;
    }
    m_unitCount = Units()[static_cast<std::size_t>(m_selected)].Count();
    m_unitSize = Units()[static_cast<std::size_t>(m_selected)].Size();
    return RecalcTotal();
}

Status ArmyModel::CountReaction()
{
    const std::optional<double> count = LocaleNumber(m_unitCount, DecimalMark());
    // A count that is not a number (from a hand-edited file) neither
    // deletes nor changes the line.
    if (!count)
        return {};
    if (*count == 0) {
        DeleteSelected();
        if (!Units().empty())
            (void)ShowSelectedUnit(0);
        else
            ClearModifyBoxes();
    } else {
        ArmyUnit unit = Units()[static_cast<std::size_t>(m_selected)];
        unit.Count() = m_unitCount;
        m_document.SetUnit(static_cast<std::size_t>(m_selected), std::move(unit));
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
    ArmyUnit unit = Units()[static_cast<std::size_t>(m_selected)];
    unit.Size() = text;
    m_document.SetUnit(static_cast<std::size_t>(m_selected), std::move(unit));
    LineChanged(m_selected);
    Status total = RecalcTotal();
    Step(FillText(msg::kStepChangeSize, {SelectedName()}), "Size " + std::to_string(m_selected));
    return total;
}

Status ArmyModel::RecalcTotal()
{
    if (!m_loading)
        m_changed = true;
    return Tally();
}

Status ArmyModel::Tally()
{
    ArmyTally tally(&m_costsNow);
    if (Status status = m_document.Recalculate(tally); !status)
        return status;
    m_total = tally.Total();
    m_composition = tally.Composition();
    m_totalNow = tally.TotalNow();
    return {};
}

PointsBar ArmyModel::CompositionBar() const
{
    return ArmyCompositionBar(m_composition, m_total, m_document.PointsLimit(), m_document.DecimalMark());
}

void ArmyModel::SetCostsNow(CostsNow costs)
{
    m_costsNow = std::move(costs);
    (void)Tally();
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
    const std::string error = std::move(content.error);
    m_readIncompletely = !error.empty();
    m_document.Take(std::move(content));
    UnitsChanged();
    if (!error.empty())
        return fail(error);
    m_caption = FillText(msg::kArmyCaption, {ArmyName()});
    if (const Status scanned = ScanFigures(); !scanned)
        return fail(scanned.failure().description);
    if (!Units().empty())
        (void)ShowSelectedUnit(0);
    if (const Status total = RecalcTotal(); !total)
        return fail(total.failure().description);
    m_changed = false;
    return {};
}

Status ArmyModel::ImportFromText(const ArmyFromText &army, const std::string &folderPath)
{
    Status done;
    {
        const LoadingScope loading(m_loading);
        ArmyFileContent content;
        content.name = army.name;
        content.directory = DirectoryText(folderPath);
        content.pointsLimit = army.pointsLimit;
        content.units = army.units;
        content.lineCount = 2;
        m_document = ArmyDocument({}, m_document.DecimalMark());
        m_document.Take(std::move(content));
        UnitsChanged();
        if (const Status scanned = ScanFigures(); !scanned)
            done = scanned;
        if (!m_document.Units().empty())
            (void)ShowSelectedUnit(0);
        if (const Status total = RecalcTotal(); !total && done)
            done = total;
    }
    m_changed = true;
    Step(TV_TR("Core", "Import Army from Text"));
    return done;
}

std::string ArmyModel::FileText() const
{
    return m_document.FileText();
}

Status ArmyModel::WriteArmy(const std::string &path)
{
    if (Status written = m_document.Write(path); !written)
        return written;
    m_changed = false;
    m_readIncompletely = false;
    m_history.MarkSaved();
    return {};
}

} // namespace tarvello
