#include "costpreview.h"

#include "platform/messagetexts.h"

#include "costcalculation.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "rules/rulestables.h"

#include <cmath>

namespace tarvello {

namespace {

// The record without what the calculation never reads: the available lists
// and the entries of the choice lists (only their positions count).
FigureRecord CalculatedPart(const FigureRecord &record)
{
    FigureRecord copy;
    copy.txtAdjustHitFactor = record.txtAdjustHitFactor;
    copy.txtHitPoints = record.txtHitPoints;
    copy.chkUseOptionalMovement = record.chkUseOptionalMovement;
    copy.chkOptionalRangeCost = record.chkOptionalRangeCost;
    for (ChoiceList FigureRecord::*list :
         {&FigureRecord::cboFigureType, &FigureRecord::cboTrainingLevel, &FigureRecord::cboRace,
          &FigureRecord::cboArmorType, &FigureRecord::cboMove, &FigureRecord::cboCommandSkill})
        (copy.*list).index = (record.*list).index;
    for (FigureSeries series : kAllSeries)
        SelectedRows(copy, series) = SelectedRows(record, series);
    return copy;
}

// The calculated Final Cost as a number; a text that is none is the
// calculation's type mismatch.
Result<double> FinalCostOf(const FigureRecord &record, char mark)
{
    if (const std::optional<double> cost = LocaleNumber(record.txtFinalCost, mark))
        return *cost;
    return Failure{TV_TR("Core", "Error in calculating cost!"), errtext::kTypeMismatch};
}

} // namespace

CostPreviewer::CostPreviewer(const FigureRecord &record, const RulesTables &tables)
    : m_tables(tables)
    , m_base(CalculatedPart(record))
    , m_now(m_base)
{
    m_nowStatus = CalculateCost(m_now, m_tables, &m_nowTerms);
    if (!m_nowStatus)
        return;
    const Result<double> cost = FinalCostOf(m_now, m_tables.DecimalMark());
    if (cost)
        m_nowCost = cost.value();
    m_nowStatus = cost.status();
}

CostPreview CostPreviewer::Add(FigureSeries series, const ListRow &availableRow)
{
    m_scratch = m_base;
    SelectedRows(m_scratch, series).push_back(SelectedFromAvailable(series, availableRow));
    return Calculate();
}

CostPreview CostPreviewer::Choose(ChoiceList FigureRecord::*list, int position)
{
    m_scratch = m_base;
    (m_scratch.*list).index = position;
    return Calculate();
}

CostPreview CostPreviewer::Calculate()
{
    CostPreview preview;
    if (!m_nowStatus) {
        preview.reason = m_nowStatus.failure();
        return preview;
    }
    const Status calculated = CalculateCost(m_scratch, m_tables);
    const Result<double> after = calculated ? FinalCostOf(m_scratch, m_tables.DecimalMark())
                                            : Result<double>(calculated.failure());
    if (!after) {
        preview.reason = after.failure();
        return preview;
    }
    preview.delta = after.value() - m_nowCost;
    preview.finalCost = m_scratch.txtFinalCost;
    return preview;
}

std::string CostDeltaText(double delta)
{
    if (delta == 0)
        return "\u00B10";
    const std::string magnitude = NumberText(std::fabs(delta), '.');
    return (delta > 0 ? "+" : "\u2212") + magnitude;
}

} // namespace tarvello
