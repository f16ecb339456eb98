#include "costpreview.h"

#include "platform/messagetexts.h"

#include "costcalculation.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "rules/rulestables.h"

#include <cmath>

namespace tarvello {

namespace {

// The inputs the calculation reads: not the name, the picture's file or the
// shots last shown, nor the choices' texts (only their positions count).
FigureInputs CalculatedPart(const FigureInputs &inputs)
{
    FigureInputs copy;
    copy.txtAdjustHitFactor = inputs.txtAdjustHitFactor;
    copy.txtHitPoints = inputs.txtHitPoints;
    copy.chkUseOptionalMovement = inputs.chkUseOptionalMovement;
    copy.chkOptionalRangeCost = inputs.chkOptionalRangeCost;
    for (Choice FigureInputs::*list :
         {&FigureInputs::cboFigureType, &FigureInputs::cboTrainingLevel, &FigureInputs::cboRace,
          &FigureInputs::cboArmorType, &FigureInputs::cboMove, &FigureInputs::cboCommandSkill})
        (copy.*list).index = (inputs.*list).index;
    for (FigureSeries series : kAllSeries)
        SelectedRows(copy, series) = SelectedRows(inputs, series);
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

CostPreviewer::CostPreviewer(const FigureInputs &inputs, const RulesTables &tables)
    : m_tables(tables)
    , m_base(CalculatedPart(inputs))
    , m_now{m_base, {}}
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
    static_cast<FigureInputs &>(m_scratch) = m_base;
    SelectedRows(m_scratch, series).push_back(SelectedFromAvailable(series, availableRow));
    return Calculate();
}

CostPreview CostPreviewer::Choose(Choice FigureInputs::*list, int position)
{
    static_cast<FigureInputs &>(m_scratch) = m_base;
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
