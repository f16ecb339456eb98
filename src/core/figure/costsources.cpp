#include "costsources.h"

#include "costcalculation.h"
#include "costpreview.h"
#include "figurerules.h"
#include "figureseries.h"
#include "platform/explaintexts.h"
#include "platform/numbers.h"
#include "rules/rulestables.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tarvello {

namespace {

// The most weapons of a kind, or items, a tool tip names.
constexpr std::size_t kNamedRows = 12;
constexpr std::array<const char *, kTrainingLevelCount> kAttackRollTables = {"green", "line",
                                                                            "elite"};

// What the texts need besides the calculated record.
struct Explainer
{
    const FigureRecord &shown;
    const FigureRecord &now;
    const CostTerms &terms;
    const RulesTables &tables;

    std::string Number(double value) const { return NumberText(value, tables.DecimalMark()); }
    std::string Leading(const std::string &text) const { return Number(LeadingNumber(text)); }
    // " + 3" or " - 3".
    std::string Term(const std::string &text) const
    {
        const double value = LeadingNumber(text);
        return value < 0 ? " - " + Number(-value) : " + " + Number(value);
    }
    FigureType Type() const { return static_cast<FigureType>(shown.cboFigureType.index); }
    std::string Training() const
    {
        return msg::FillFileText(Type() == FigureType::Vehicle ? msg::kTargetingSystemOf
                                                               : msg::kTrainingLevelOf,
                                 {shown.cboTrainingLevel.Text()});
    }

    std::string DefenseFactor() const;
    std::string WeaponMultiplier() const;
    std::string WeaponShares(FigureSeries series) const;
    std::string Share(FigureSeries series, std::size_t row) const;
    std::string MoveMultiplier() const;
    std::string MagicSkill() const;
    std::string ExtraItems() const;
    std::string Cost() const;
};

std::string Explainer::DefenseFactor() const
{
    const std::string &adjusted = now.txtAdjustedHitFactor;
    const double row = RoundHalfEven(LeadingNumber(adjusted));
    std::string text = msg::FillFileText(msg::kDefenseRow,
                                         {now.txtDefenseFactor, Number(row), adjusted});
    const std::string base = Type() == FigureType::Normal
                                 ? msg::FillFileText(msg::kArmorColumn,
                                                     {shown.cboArmorType.Text(), Training()})
                                 : msg::FillFileText(msg::kArmorColumnNotNormal,
                                                     {shown.cboArmorType.Text()});
    const double sum = LeadingNumber(now.txtBaseHitFactor)
                       + LeadingNumber(now.txtRaceHitFactorModifier)
                       + LeadingNumber(now.txtAdjustHitFactor);
    text += "\n"
            + msg::FillFileText(msg::kAdjustedHitFactor,
                                {Number(sum), Leading(now.txtBaseHitFactor), base,
                                 Term(now.txtRaceHitFactorModifier), shown.cboRace.Text(),
                                 Term(now.txtAdjustHitFactor)});
    if (Number(sum) != adjusted)
        text += "\n"
                + msg::FillFileText(msg::kTableRows,
                                    {Number(double(tables.DefenseFactors.size()) - 1), adjusted});
    if (Number(row) != adjusted)
        text += "\n" TV_TR("Core", "The row is the adjusted hit factor rounded to a whole number.");
    return text;
}

// One weapon's share: its own term of the calculation's sum.
std::string Explainer::Share(FigureSeries series, std::size_t row) const
{
    const std::vector<double> &shares = series == FigureSeries::Melee ? terms.melee
                                                                      : terms.missile;
    return row < shares.size() ? Number(shares[row]) : "?";
}

std::string Explainer::WeaponShares(FigureSeries series) const
{
    const std::vector<ListRow> &rows = SelectedRows(now, series);
    std::string text;
    for (std::size_t i = 0; i < rows.size() && i < kNamedRows; ++i) {
        const ListRow &row = rows[i];
        const std::string name = Cell(row, series, SeriesColumn::Name);
        const std::string &damage = Cell(row, series, SeriesColumn::MaxDamage);
        const std::string &radius = Cell(row, series, SeriesColumn::AttackRadius);
        const std::string &shots = Cell(row, series, SeriesColumn::Shots);
        text += "\n";
        if (series != FigureSeries::Missile)
            text += msg::FillFileText(msg::kMeleeShare, {name, Share(series, i), damage});
        else if (RoundHalfEven(LeadingNumber(shots)) > 0)
            text += msg::FillFileText(msg::kMissileShareShots,
                                      {name, Share(series, i), damage, radius, shots});
        else
            text += msg::FillFileText(msg::kMissileShare, {name, Share(series, i), damage, radius});
    }
    if (rows.size() > kNamedRows)
        text += "\n" + msg::FillFileText(msg::kAndMore, {std::to_string(rows.size() - kNamedRows)});
    return text;
}

std::string Explainer::WeaponMultiplier() const
{
    std::string text = msg::FillFileText(msg::kTotalWeaponMultiplier,
                                         {now.txtTotalWeaponMultiplier, now.txtMeleeWeaponMultiplier,
                                          now.txtMissileWeaponMultiplier});
    if (now.lvwMeleeWeaponsSelected.empty() && now.lvwMissileWeaponsSelected.empty())
        return text + "\n" TV_TR("Core", "No weapons: Defense Factor, Move Multiplier and Hit "
                                         "Points add nothing.");
    const int training = now.cboTrainingLevel.index;
    const char *table = training >= 0 && training < kTrainingLevelCount
                            ? kAttackRollTables[std::size_t(training)]
                            : kAttackRollTables[0];
    text += "\n" + msg::FillFileText(msg::kShareTable, {table, Training()});
    if (!now.lvwMissileWeaponsSelected.empty())
        text += now.chkOptionalRangeCost != 0
                    ? "\n" TV_TR("Core", "A missile weapon's multiplier follows its Short and Long ranges (Range"
                                         " Cost checked), times its Attack Radius.")
                    : "\n" TV_TR("Core", "A missile weapon's multiplier counts Attack Radius times.");
    return text + WeaponShares(FigureSeries::Melee) + WeaponShares(FigureSeries::Missile);
}

std::string Explainer::MoveMultiplier() const
{
    if (now.chkUseOptionalMovement == 0)
        return msg::FillFileText(msg::kMoveFromTable, {now.txtMoveMultiplier, shown.cboMove.Text()});
    return msg::FillFileText(msg::kMoveFromMove,
                             {now.txtMoveMultiplier, now.txtMove, Number(kMoveWeight),
                              Number(kMoveOffset), shown.cboMove.Text()});
}

std::string Explainer::MagicSkill() const
{
    if (Type() != FigureType::BattleMage)
        return msg::FillFileText(msg::kNoMagic, {shown.cboFigureType.Text()});
    static_assert(kMageCaptions.size() == 3 && kMagicSkillCost.size() == 3);
    const std::string scale = FillText(msg::kMageScale, {kMageCaptions[0], kMagicSkillCost[0],
                                                         kMageCaptions[1], kMagicSkillCost[1],
                                                         kMageCaptions[2], kMagicSkillCost[2]});
    return msg::FillFileText(msg::kMagicOfMage, {now.txtMagicSkillCost, Training(), scale});
}

std::string Explainer::ExtraItems() const
{
    const std::vector<ListRow> &rows = now.lvwExtraItemsSelected;
    if (rows.empty())
        return TV_TR("Core", "Extra Items 0: no extra items chosen.");
    std::string sum;
    for (std::size_t i = 0; i < rows.size() && i < kNamedRows; ++i)
        sum += (i ? " + " : "") + Cell(rows[i], FigureSeries::ExtraItem, SeriesColumn::Name) + " "
               + Leading(Cell(rows[i], FigureSeries::ExtraItem, SeriesColumn::Cost));
    if (rows.size() > kNamedRows)
        sum = FillText(msg::kItemsAndMore, {sum, std::to_string(rows.size() - kNamedRows)});
    return msg::FillFileText(msg::kItemsSum, {now.txtExtraItemsCost, sum});
}

std::string Explainer::Cost() const
{
    return msg::FillFileText(msg::kCostSum,
                             {now.txtCost, now.txtDefenseFactor, now.txtTotalWeaponMultiplier,
                              now.txtMoveMultiplier, now.txtHitPoints, now.txtCommandSkillCost,
                              now.txtMagicSkillCost, now.txtExtraItemsCost})
           + "\n"
           + msg::FillFileText(TV_TR("Core", "(Defense Factor × Total Weapon Multiplier × Move "
                                             "Multiplier) × Hit Points + Command Skill + Magic "
                                             "Skill + Extra Items."),
                               {});
}

} // namespace

CostSources ExplainCost(const FigureRecord &shown, const CostPreviewer &previewer,
                        const RulesTables &tables)
{
    if (!previewer.NowStatus()) {
        const std::string why = msg::FillFileText(msg::kCannotCalculate,
                                                  {previewer.NowStatus().failure().description});
        return {why, why, why, why, why, why, why, why, why};
    }
    const Explainer e{shown, previewer.Now(), previewer.NowTerms(), tables};
    const FigureRecord &now = previewer.Now();
    CostSources sources;
    sources.defenseFactor = e.DefenseFactor();
    sources.totalWeaponMultiplier = e.WeaponMultiplier();
    sources.moveMultiplier = e.MoveMultiplier();
    sources.hitPoints = msg::FillFileText(msg::kHitPointsField, {now.txtHitPointsCopy});
    sources.commandSkill = msg::FillFileText(msg::kCommandSkillCost,
                                             {now.txtCommandSkillCost, shown.cboCommandSkill.Text()});
    sources.magicSkill = e.MagicSkill();
    sources.extraItems = e.ExtraItems();
    sources.cost = e.Cost();
    sources.finalCost = now.txtFinalCost == now.txtCost
                            ? msg::FillFileText(msg::kFinalCostWhole, {now.txtFinalCost})
                            : msg::FillFileText(msg::kFinalCostRounded,
                                                {now.txtFinalCost, now.txtCost});
    return sources;
}

} // namespace tarvello
