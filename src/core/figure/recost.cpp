#include "recost.h"

#include "platform/messagetexts.h"
#include "figurekeys.h"

#include "costcalculation.h"
#include "figurefile.h"
#include "figuremodel.h"
#include "platform/asciitext.h"
#include "platform/fileio.h"
#include "platform/profiledocument.h"
#include "rules/rulestables.h"

#include <exception>
#include <optional>

namespace tarvello {

namespace {

// The content without the lines of its pixel section, which only the picture
// reads: recosting thousands of figures must not decode their pictures.
std::string WithoutPixels(std::string content)
{
    std::string out;
    std::size_t pos = 0;
    bool skipping = false;
    bool found = false;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        end = end == std::string::npos ? content.size() : end + 1;
        std::string_view line = std::string_view(content).substr(pos, end - pos);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        line = TrimBlanks(line);
        if (!line.empty() && line.front() == '[') {
            const bool pixels = line.size() >= 2 && line.back() == ']'
                                && EqualsNoCase(line.substr(1, line.size() - 2),
                                                figurekeys::kImagePixelsSection);
            if (pixels && !found) {
                out.assign(content, 0, pos);
                found = true;
            } else if (!pixels && skipping) {
                out.append(content, pos, std::string::npos);
                return out;
            }
            skipping = pixels;
        }
        if (found && !skipping)
            out.append(content, pos, end - pos);
        pos = end;
    }
    return found ? out : content;
}

// The table row of the same name as a copied row, if any.
const ListRow *TableRow(const std::vector<ListRow> &available, FigureSeries series,
                        const std::string &name)
{
    for (const ListRow &row : available) {
        if (Cell(row, series, SeriesColumn::Name) == name)
            return &row;
    }
    return nullptr;
}

// The values of a copied row that differ from its table row.
std::vector<ValueChange> Differences(FigureSeries series, const ListRow &copy,
                                     const ListRow &table)
{
    std::vector<ValueChange> values;
    const SeriesSchema &schema = Schema(series);
    for (std::size_t i = 0; i < schema.available.size(); ++i) {
        const SeriesColumnSpec &column = schema.available[i];
        const std::string &old = Cell(copy, series, column.id);
        const std::string fresh = i < table.size() ? table[i] : std::string();
        if (old != fresh)
            values.push_back({column.header, old, fresh});
    }
    return values;
}

std::vector<RowChange> ChangedRows(const FigureRecord &record, const AvailableLists &available)
{
    std::vector<RowChange> changes;
    for (FigureSeries series : kAllSeries) {
        const std::vector<ListRow> &rows = SelectedRows(record, series);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string &name = Cell(rows[i], series, SeriesColumn::Name);
            const ListRow *table = TableRow(AvailableRows(available, series), series, name);
            if (!table)
                continue;
            std::vector<ValueChange> values = Differences(series, rows[i], *table);
            if (!values.empty())
                changes.push_back({series, static_cast<int>(i), name, std::move(values)});
        }
    }
    return changes;
}

} // namespace

void RefreshRowsFromTables(FigureRecord &record, const RulesTables &tables)
{
    for (FigureSeries series : kAllSeries) {
        const std::vector<ListRow> available = TableRows(tables, series);
        const int shots = Schema(series).Index(SeriesColumn::Shots);
        for (ListRow &row : SelectedRows(record, series)) {
            const ListRow *table = TableRow(available, series, Cell(row, series, SeriesColumn::Name));
            if (!table)
                continue;
            ListRow fresh = SelectedFromAvailable(series, *table);
            if (shots >= 0 && shots < static_cast<int>(row.size()))
                fresh[shots] = row[shots];
            row = std::move(fresh);
        }
    }
}

Result<FigureRecost> RecostFigureContent(const RulesTables &tables, const std::string &path,
                                         std::string content)
{
    FigureModel model(tables);
    (void)model.Initialize();
    FigureRecost recost;
    recost.storedCost = ProfileDocument::Lookup(content, figurekeys::kFigureSection, figurekeys::kFinalCost).value;
    recost.notices = model.OpenContent(path, WithoutPixels(std::move(content)));
    for (const Failure &notice : recost.notices) {
        if (notice.StoppedLoading())
            return notice;
    }
    recost.record = model.Record();
    recost.newCost = recost.record.txtFinalCost;
    recost.changedRows = ChangedRows(recost.record, model.Available());
    recost.refreshed = recost.record;
    if (!recost.changedRows.empty()) {
        RefreshRowsFromTables(recost.refreshed, tables);
        (void)CalculateCost(recost.refreshed, tables);
    }
    recost.refreshedCost = recost.refreshed.txtFinalCost;
    return recost;
}

Result<FigureRecost> RecostFigureFile(const RulesTables &tables, const std::string &path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure(LoadingSentence(path), path);
    return RecostFigureContent(tables, path, std::move(*bytes));
}

Status SaveRecostedFigure(const RulesTables &tables, const std::string &path, bool refreshRows)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure(LoadingSentence(path), path);
    FigureModel model(tables);
    (void)model.Initialize();
    const std::vector<Failure> notices = model.OpenContent(path, *bytes);
    if (!notices.empty())
        return notices.front();
    FigureRecord record = model.Record();
    if (refreshRows) {
        RefreshRowsFromTables(record, tables);
        if (Status calculated = CalculateCost(record, tables); !calculated)
            return calculated;
    }
    try {
        ProfileDocument doc = ProfileDocument::FromBytes(std::move(*bytes));
        const FigureFileText file = MakeFigureFileText(doc, record, model.Image(),
                                                       model.UnreadPictureText());
        if (Status written = WriteFileAtomically(path, file.text); !written)
            return written;
        return file.image;
    } catch (const std::exception &e) {
        return Failure{SavingSentence(path), e.what(), FailureKind::CannotWrite};
    }
}

std::string StaleCostHint(std::string_view content, const std::string &now)
{
    const ProfileLookup stored = ProfileDocument::Lookup(content, figurekeys::kFigureSection, figurekeys::kFinalCost);
    if (stored.status != ProfileLookup::Found || stored.value == now)
        return {};
    return StaleCostText(stored.value, now);
}

std::string StaleCostText(const std::string &stored, const std::string &now)
{
    return FillText(msg::kStaleCost, {stored, now});
}

} // namespace tarvello
