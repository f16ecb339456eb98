#include "costbreakdown.h"

#include "costcalculation.h"
#include "costpreview.h"
#include "figurerecord.h"
#include "figurerules.h"
#include "figureseries.h"
#include "platform/explaintexts.h"
#include "platform/numbers.h"
#include "rules/rulestables.h"

#include <cmath>
#include <cstddef>

namespace tarvello {

namespace {

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
            const std::string tip = msg::FillFileText(
                msg::kWeaponPart, {name, Number(share), m_now.txtDefenseFactor,
                                   m_now.txtMoveMultiplier, m_now.txtHitPoints, Number(terms[i])});
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
                 msg::FillFileText(msg::kItemPart, {name, Number(terms[i])}), FigureSeries::ExtraItem,
                 static_cast<int>(i)});
        }
    }

    void Skills()
    {
        if (m_f.command != 0)
            Add({TV_TR("Core", "Command Skill"), m_f.command, BarSwatch::Command,
                 msg::FillFileText(msg::kCommandPart,
                                   {m_now.txtCommandSkillCost, m_shown.cboCommandSkill.Text()})});
        if (m_f.magic != 0)
            Add({TV_TR("Core", "Magic Skill"), m_f.magic, BarSwatch::Magic,
                 msg::FillFileText(msg::kMagicPart,
                                   {m_now.txtMagicSkillCost, m_shown.cboTrainingLevel.Text()})});
    }

    void Rounding()
    {
        double rounding = m_f.finalCost - m_sum;
        if (std::abs(rounding) < kNoRounding)
            rounding = 0;
        Add({TV_TR("Core", "Rounding"), rounding, BarSwatch::Rounding,
             msg::FillFileText(msg::kRoundingPart, {Number(rounding), m_now.txtCost, m_now.txtFinalCost})});
    }

    // The factors every weapon's share is multiplied by.
    std::string Tip() const
    {
        const std::string_view training = static_cast<FigureType>(m_shown.cboFigureType.index)
                                                  == FigureType::Vehicle
                                              ? msg::kTargetingSystemOf
                                              : msg::kTrainingLevelOf;
        using msg::FillFileText;
        return FillFileText(msg::kBarFinalCost, {m_now.txtFinalCost}) + "\n"
               + FillFileText(TV_TR("Core", "Each weapon's share is Defense Factor × Move "
                                            "Multiplier × Hit Points × its own multiplier:"),
                              {})
               + "\n"
               + FillFileText(msg::kBarDefense, {m_now.txtDefenseFactor, m_shown.cboRace.Text(),
                                                 m_shown.cboArmorType.Text(),
                                                 m_now.txtAdjustedHitFactor})
               + "\n"
               + FillFileText(msg::kBarMove, {m_now.txtMoveMultiplier, m_shown.cboMove.Text()})
               + "\n" + FillFileText(msg::kBarHitPoints, {m_now.txtHitPoints}) + "\n"
               + FillFileText(msg::kBarTraining,
                              {FillFileText(training, {m_shown.cboTrainingLevel.Text()})});
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
        bar.tip = msg::FillFileText(msg::kCannotCalculate,
                                    {previewer.NowStatus().failure().description});
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
