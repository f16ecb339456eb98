#include "armydocument.h"

#include "figuresummary.h"
#include "platform/fileio.h"
#include "platform/explaintexts.h"
#include "platform/messagetexts.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <utility>

namespace tarvello {

namespace {

std::string SingleLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

ArmyDocument::ArmyDocument(std::string unitDirectory, char decimalMark)
    : m_unitDirectory(SingleLine(std::move(unitDirectory)))
    , m_decimalMark(decimalMark)
{}

void ArmyDocument::SetName(const std::string &text)
{
    m_name = SingleLine(text);
}

void ArmyDocument::SetUnitDirectory(const std::string &text)
{
    m_unitDirectory = SingleLine(text);
}

bool ArmyDocument::SetPointsLimit(const std::string &text)
{
    if (!IsPointsLimitText(text))
        return false;
    if (text != m_pointsLimit)
        m_headerTail.clear();
    m_pointsLimit = text;
    return true;
}

bool ArmyDocument::AddUnits(const FigureSummary &figure, const std::string &count,
                            const std::string &size)
{
    ArmyUnit added;
    added.Count() = count;
    added.Size() = size;
    for (std::size_t i = 0; i < kSummaryFields; ++i)
        added.fields[i + 2] = UnitFieldText(figure.fields[i]);
    const std::size_t same = m_units.FindFirst([&added](const ArmyUnit &unit) {
        return unit.Summary(kFigureName) == added.Summary(kFigureName)
               && unit.Size() == added.Size();
    });
    if (same >= m_units.size()) {
        m_units.PushBack(std::move(added));
        return true;
    }
    ArmyUnit merged = m_units[same];
    merged.Count() = NumberText(LeadingNumber(merged.Count()) + LeadingNumber(count),
                                m_decimalMark);
    m_units.Set(same, std::move(merged));
    return false;
}

bool ArmyDocument::ReplaceFigureCosts(const std::vector<std::string> &costs)
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
    return replaced;
}

Status ArmyDocument::Recalculate()
{
    ArmyTally tally;
    return Recalculate(tally);
}

Status ArmyDocument::Recalculate(ArmyTally &tally)
{
    std::size_t line = 0;
    try {
        m_units.ForEachFacts([&](const LineFacts &facts) {
            tally.Add(facts);
            ++line;
        });
    } catch (const RuntimeError &e) {
        return Failure{TV_TR("Core", "Error in calculating cost!"),
                       std::string(e.what()) + "\r\n" + UnitLinePlace(line + 1, m_units[line])};
    }
    m_total = std::to_string(tally.Total());
    return {};
}

void ArmyDocument::Take(ArmyFileContent content)
{
    if (content.lineCount >= 1)
        m_name = SingleLine(std::move(content.name));
    if (content.lineCount >= 2)
        m_unitDirectory = SingleLine(std::move(content.directory));
    m_pointsLimit = std::move(content.pointsLimit);
    m_headerTail = std::move(content.headerTail);
    m_limitUnreadable = content.limitUnreadable;
    if (m_units.empty()) {
        m_units = ArmyUnits(std::move(content.units));
        return;
    }
    for (ArmyUnit &unit : content.units)
        m_units.PushBack(std::move(unit));
}

std::string ArmyDocument::FileText() const
{
    return ArmyFileText(m_name, m_unitDirectory, m_units, m_pointsLimit, m_headerTail);
}

Status ArmyDocument::Write(const std::string &path) const
{
    const Status written = WriteFileAtomically(path, FileText());
    if (!written)
        return Failure{FillText(msg::kErrorSavingArmy, {path}), written.failure().description,
                       FailureKind::CannotWrite};
    return {};
}

std::string ArmyDocument::NegativeValuesNotice() const
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
        return FillText(msg::kNegativeLinesMore, {named, std::to_string(count - kMaxNamedLines)});
    return FillText(count > 1 ? msg::kNegativeLines : msg::kNegativeLine, {named});
}

std::string ArmyDocument::PointsLimitNotice() const
{
    if (!m_limitUnreadable)
        return {};
    constexpr std::size_t kShown = 64;
    const std::string field = m_headerTail.substr(1, kShown) + (m_headerTail.size() > kShown + 1 ? "..." : "");
    return FillText(msg::kUnreadableLimit, {field});
}

ArmyReportData ArmyDocument::ReportData() const
{
    return ArmyReportData{m_name, m_total, m_units.Vector()};
}

Result<std::string> ArmyDocument::ExportText() const
{
    return ArmyExportText(ReportData(), m_decimalMark);
}

bool ArmyDocument::operator==(const ArmyDocument &other) const
{
    return m_name == other.m_name && m_unitDirectory == other.m_unitDirectory
           && m_units == other.m_units && m_pointsLimit == other.m_pointsLimit
           && m_headerTail == other.m_headerTail;
}

} // namespace tarvello
