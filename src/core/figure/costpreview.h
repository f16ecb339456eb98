#pragma once

#include "costcalculation.h"
#include "figurerecord.h"
#include "figureseries.h"
#include "platform/failure.h"

#include <optional>
#include <string>

// What one change would do to a figure's Final Cost, before it is made: the
// figure editor shows it beside every available weapon and item and every
// entry of its choice lists.
namespace tarvello {

struct RulesTables;

// The outcome of one previewed change.
struct CostPreview
{
    // Final Cost after the change minus Final Cost now; empty when either
    // cannot be calculated.
    std::optional<double> delta;
    // The Final Cost the figure would have (its text), empty on a failure.
    std::string finalCost;
    // Why there is no delta: the calculation's failure.
    Failure reason;
};

// Previews changes of one figure. It keeps a copy of what the cost
// calculation reads of the figure's inputs (the choices' positions, the
// numbers, check boxes and selected rows) and calculates that copy once as
// the figure now. Each preview applies its one change to a fresh copy
// and runs CalculateCost on it; the figure itself is never touched.
class CostPreviewer
{
public:
    // The tables must outlive the previewer and be those the figure's editor
    // calculates with.
    CostPreviewer(const FigureInputs &inputs, const RulesTables &tables);

    // The figure with the available row added as the editor's Add adds it
    // (a missile weapon with Shots "0").
    CostPreview Add(FigureSeries series, const ListRow &availableRow);
    // The figure with entry position of the choice list chosen.
    CostPreview Choose(Choice FigureInputs::*list, int position);

    // The figure now, calculated, and the outcome of that calculation.
    const FigureRecord &Now() const { return m_now; }
    const Status &NowStatus() const { return m_nowStatus; }
    // Each selected row's term in that calculation.
    const CostTerms &NowTerms() const { return m_nowTerms; }

private:
    CostPreview Calculate();

    const RulesTables &m_tables;
    // The inputs as copied, their calculation (m_now) and the copy each
    // preview changes and calculates (its buffers are reused from one
    // preview to the next).
    FigureInputs m_base;
    FigureRecord m_now;
    FigureRecord m_scratch;
    Status m_nowStatus;
    CostTerms m_nowTerms;
    double m_nowCost = 0;
};

// The delta as the editor shows it, in UTF-8: "+12", "−3" with the minus
// sign U+2212, "±0" for no change.
std::string CostDeltaText(double delta);

} // namespace tarvello
