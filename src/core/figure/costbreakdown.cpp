#include "costbreakdown.h"

#include "costcalculation.h"
#include "costpreview.h"
#include "figurerecord.h"
#include "figurerules.h"
#include "figureseries.h"
#include "platform/numbers.h"
#include "rules/rulestables.h"

#include <cmath>
#include <cstddef>

namespace tarvello {

namespace {

// A multiplication sign in Windows-1252.
constexpr const char *kTimes = " \xD7 ";
// A sum this close to the Final Cost leaves no rounding.
constexpr double kNoRounding = 1e-9;

// The calculated record's factors, read as the calculation reads them.
struct Factors
{
    double defense = 0;
    double move = 0;
    double hitPoints = 0;
    double finalCost = 0;
    double command = 0;
    double magic = 0;
};

Factors FactorsOf(const FigureRecord &now, char mark)
{
    const auto read = [mark](const std::string &text) {
        return LocaleNumber(text, mark).value_or(0);
    };
    return {read(now.txtDefenseFactor), read(now.txtMoveMultiplier), read(now.txtHitPoints),
            read(now.txtFinalCost),     read(now.txtCommandSkillCost),
            read(now.txtMagicSkillCost)};
}

class Breakdown
{
public:
    Breakdown(const FigureRecord &shown, const FigureRecord &now, const RulesTables &tables)
        : m_shown(shown)
        , m_now(now)
        , m_mark(tables.DecimalMark())
        , m_f(FactorsOf(now, m_mark))
    {
    }

    void Weapons(FigureSeries series, const std::vector<double> &terms)
    {
        const std::vector<ListRow> &rows = SelectedRows(m_now, series);
        const bool melee = series == FigureSeries::Melee;
        for (std::size_t i = 0; i < rows.size() && i < terms.size(); ++i) {
            const double share = terms[i] * m_f.defense * m_f.hitPoints * m_f.move;
            const std::string name = Cell(rows[i], series, SeriesColumn::Name);
            const std::string tip = name + ": " + Number(share) + " = Defense Factor "
                                    + m_now.txtDefenseFactor + kTimes + "Move Multiplier "
                                    + m_now.txtMoveMultiplier + kTimes + "Hit Points "
                                    + m_now.txtHitPoints + kTimes + "its multiplier "
                                    + Number(terms[i]);
            const BarSwatch swatch = melee ? (i % 2 ? BarSwatch::MeleeAlt : BarSwatch::Melee)
                                           : (i % 2 ? BarSwatch::MissileAlt : BarSwatch::Missile);
            Add({name, share, swatch, tip, series, static_cast<int>(i)});
        }
    }

    void Items(const std::vector<double> &terms)
    {
        const std::vector<ListRow> &rows = m_now.lvwExtraItemsSelected;
        for (std::size_t i = 0; i < rows.size() && i < terms.size(); ++i) {
            const std::string name = Cell(rows[i], FigureSeries::ExtraItem, SeriesColumn::Name);
            Add({name, terms[i], i % 2 ? BarSwatch::ItemAlt : BarSwatch::Item,
                 name + ": " + Number(terms[i]) + ", the item's Cost", FigureSeries::ExtraItem,
                 static_cast<int>(i)});
        }
    }

    void Skills()
    {
        if (m_f.command != 0)
            Add({"Command Skill", m_f.command, BarSwatch::Command,
                 "Command Skill: " + m_now.txtCommandSkillCost + " (" + m_shown.cboCommandSkill.Text()
                     + ")"});
        if (m_f.magic != 0)
            Add({"Magic Skill", m_f.magic, BarSwatch::Magic,
                 "Magic Skill: " + m_now.txtMagicSkillCost + " (a BattleMage at "
                     + m_shown.cboTrainingLevel.Text() + ")"});
    }

    void Rounding()
    {
        double rounding = m_f.finalCost - m_sum;
        if (std::abs(rounding) < kNoRounding)
            rounding = 0;
        Add({"Rounding", rounding, BarSwatch::Rounding,
             "Rounding: " + Number(rounding) + ", the Cost " + m_now.txtCost
                 + " rounded to the Final Cost " + m_now.txtFinalCost});
    }

    // The factors every weapon's share is multiplied by.
    std::string Tip() const
    {
        const char *training = static_cast<FigureType>(m_shown.cboFigureType.index)
                                       == FigureType::Vehicle
                                   ? kTargetingSystemLabel
                                   : kTrainingLevelLabel;
        return "Final Cost " + m_now.txtFinalCost
               + ", in the parts the cost formula adds.\nEach weapon's share is Defense Factor"
               + kTimes + "Move Multiplier" + kTimes + "Hit Points" + kTimes
               + "its own multiplier:\nDefense Factor " + m_now.txtDefenseFactor + " (Race "
               + m_shown.cboRace.Text() + ", Armor Type " + m_shown.cboArmorType.Text()
               + ", adjusted hit factor " + m_now.txtAdjustedHitFactor + ")\nMove Multiplier "
               + m_now.txtMoveMultiplier + " (Movement " + m_shown.cboMove.Text()
               + ")\nHit Points " + m_now.txtHitPoints + "\n" + training + " "
               + m_shown.cboTrainingLevel.Text()
               + ": the attack-roll table each weapon's multiplier comes from";
    }

    std::vector<BarPart> parts;

private:
    std::string Number(double value) const { return NumberText(value, m_mark); }
    void Add(BarPart part)
    {
        m_sum += part.points;
        parts.push_back(std::move(part));
    }

    const FigureRecord &m_shown;
    const FigureRecord &m_now;
    const char m_mark;
    const Factors m_f;
    double m_sum = 0;
};

} // namespace

PointsBar BreakDownCost(const FigureRecord &shown, const CostPreviewer &previewer,
                        const RulesTables &tables)
{
    if (!previewer.NowStatus()) {
        PointsBar bar = LayOutBar({}, std::nullopt, tables.DecimalMark());
        bar.tip = "The cost cannot be calculated now: "
                  + previewer.NowStatus().failure().description;
        return bar;
    }
    Breakdown breakdown(shown, previewer.Now(), tables);
    const CostTerms &terms = previewer.NowTerms();
    breakdown.Weapons(FigureSeries::Melee, terms.melee);
    breakdown.Weapons(FigureSeries::Missile, terms.missile);
    breakdown.Items(terms.items);
    breakdown.Skills();
    breakdown.Rounding();
    PointsBar bar = LayOutBar(std::move(breakdown.parts), std::nullopt, tables.DecimalMark());
    bar.tip = breakdown.Tip();
    return bar;
}

} // namespace tarvello
