#include "costsources.h"

#include "costcalculation.h"
#include "costpreview.h"
#include "figurerules.h"
#include "figureseries.h"
#include "platform/numbers.h"
#include "rules/rulestables.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tarvello {

namespace {

// A multiplication sign in Windows-1252.
constexpr const char *kTimes = " \xD7 ";
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
        const char *label = Type() == FigureType::Vehicle ? kTargetingSystemLabel
                                                          : kTrainingLevelLabel;
        return std::string(label) + " " + shown.cboTrainingLevel.Text();
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
    std::string text = "Defense Factor " + now.txtDefenseFactor + ": row " + Number(row)
                       + " of the defense factor table, chosen by the adjusted hit factor "
                       + adjusted + ".";
    const std::string armor = "Armor Type " + shown.cboArmorType.Text();
    const std::string base = Type() == FigureType::Normal
                                 ? armor + ", its column for " + Training()
                                 : armor + ", its column for every type but Normal";
    const double sum = LeadingNumber(now.txtBaseHitFactor)
                       + LeadingNumber(now.txtRaceHitFactorModifier)
                       + LeadingNumber(now.txtAdjustHitFactor);
    text += "\nAdjusted hit factor " + Number(sum) + " = base hit factor "
            + Leading(now.txtBaseHitFactor) + " (" + base + ")" + Term(now.txtRaceHitFactorModifier)
            + " (Race " + shown.cboRace.Text() + ")" + Term(now.txtAdjustHitFactor)
            + " (Adjust Hit Factor).";
    if (Number(sum) != adjusted)
        text += "\nThe table has rows 1 to " + Number(double(tables.DefenseFactors.size()) - 1)
                + ", so " + adjusted + " is used.";
    if (Number(row) != adjusted)
        text += "\nThe row is the adjusted hit factor rounded to a whole number.";
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
        text += "\n" + Cell(row, series, SeriesColumn::Name) + ": " + Share(series, i)
                + " (Max Damage " + Cell(row, series, SeriesColumn::MaxDamage);
        if (series == FigureSeries::Missile) {
            text += ", Attack Radius " + Cell(row, series, SeriesColumn::AttackRadius);
            const std::string &shots = Cell(row, series, SeriesColumn::Shots);
            if (RoundHalfEven(LeadingNumber(shots)) > 0)
                text += ", limited to " + shots + " shots";
        }
        text += ")";
    }
    if (rows.size() > kNamedRows)
        text += "\n... and " + std::to_string(rows.size() - kNamedRows) + " more";
    return text;
}

std::string Explainer::WeaponMultiplier() const
{
    std::string text = "Total Weapon Multiplier " + now.txtTotalWeaponMultiplier + " = melee "
                       + now.txtMeleeWeaponMultiplier + " + missile "
                       + now.txtMissileWeaponMultiplier + ".";
    if (now.lvwMeleeWeaponsSelected.empty() && now.lvwMissileWeaponsSelected.empty())
        return text + "\nNo weapons: Defense Factor, Move Multiplier and Hit Points add nothing.";
    const int training = now.cboTrainingLevel.index;
    const char *table = training >= 0 && training < kTrainingLevelCount
                            ? kAttackRollTables[std::size_t(training)]
                            : kAttackRollTables[0];
    text += "\nEach weapon's share comes from the " + std::string(table)
            + " attack-roll table (" + Training() + "), row = its Max Damage.";
    if (!now.lvwMissileWeaponsSelected.empty())
        text += now.chkOptionalRangeCost != 0
                    ? "\nA missile weapon's multiplier follows its Short and Long ranges (Range"
                      " Cost checked), times its Attack Radius."
                    : "\nA missile weapon's multiplier counts Attack Radius times.";
    return text + WeaponShares(FigureSeries::Melee) + WeaponShares(FigureSeries::Missile);
}

std::string Explainer::MoveMultiplier() const
{
    const std::string move = "Movement " + shown.cboMove.Text();
    if (now.chkUseOptionalMovement == 0)
        return "Move Multiplier " + now.txtMoveMultiplier
               + ": the movement table's multiplier for " + move + ".";
    return "Move Multiplier " + now.txtMoveMultiplier + " = Move " + now.txtMove + kTimes
           + Number(kMoveWeight) + " + " + Number(kMoveOffset) + ", as Movement Cost is checked ("
           + move + ").";
}

std::string Explainer::MagicSkill() const
{
    if (Type() != FigureType::BattleMage)
        return "Magic Skill 0: only a BattleMage pays for magic; this figure is "
               + shown.cboFigureType.Text() + ".";
    std::string scale;
    for (std::size_t i = 0; i < kMageCaptions.size(); ++i)
        scale += std::string(i ? ", " : "") + kMageCaptions[i] + " " + kMagicSkillCost[i];
    return "Magic Skill " + now.txtMagicSkillCost + ": a BattleMage at " + Training() + " ("
           + scale + ").";
}

std::string Explainer::ExtraItems() const
{
    const std::vector<ListRow> &rows = now.lvwExtraItemsSelected;
    if (rows.empty())
        return "Extra Items 0: no extra items chosen.";
    std::string sum;
    for (std::size_t i = 0; i < rows.size() && i < kNamedRows; ++i)
        sum += (i ? " + " : "") + Cell(rows[i], FigureSeries::ExtraItem, SeriesColumn::Name) + " "
               + Leading(Cell(rows[i], FigureSeries::ExtraItem, SeriesColumn::Cost));
    if (rows.size() > kNamedRows)
        sum += " + " + std::to_string(rows.size() - kNamedRows) + " more";
    return "Extra Items " + now.txtExtraItemsCost + " = " + sum + ", each item's Cost.";
}

std::string Explainer::Cost() const
{
    return "Cost " + now.txtCost + " = (" + now.txtDefenseFactor + kTimes
           + now.txtTotalWeaponMultiplier + kTimes + now.txtMoveMultiplier + ")" + kTimes
           + now.txtHitPoints + " + " + now.txtCommandSkillCost + " + " + now.txtMagicSkillCost
           + " + " + now.txtExtraItemsCost
           + "\n(Defense Factor \xD7 Total Weapon Multiplier \xD7 Move Multiplier) \xD7 Hit Points"
             " + Command Skill + Magic Skill + Extra Items.";
}

} // namespace

CostSources ExplainCost(const FigureRecord &shown, const CostPreviewer &previewer,
                        const RulesTables &tables)
{
    if (!previewer.NowStatus()) {
        const std::string why = "The cost cannot be calculated now: "
                                + previewer.NowStatus().failure().description;
        return {why, why, why, why, why, why, why, why, why};
    }
    const Explainer e{shown, previewer.Now(), previewer.NowTerms(), tables};
    const FigureRecord &now = previewer.Now();
    CostSources sources;
    sources.defenseFactor = e.DefenseFactor();
    sources.totalWeaponMultiplier = e.WeaponMultiplier();
    sources.moveMultiplier = e.MoveMultiplier();
    sources.hitPoints = "Hit Points " + now.txtHitPointsCopy + ", as set in the Hit Points field.";
    sources.commandSkill = "Command Skill " + now.txtCommandSkillCost + ": the cost of "
                           + shown.cboCommandSkill.Text() + " in the command skill table.";
    sources.magicSkill = e.MagicSkill();
    sources.extraItems = e.ExtraItems();
    sources.cost = e.Cost();
    sources.finalCost = "Final Cost " + now.txtFinalCost
                        + (now.txtFinalCost == now.txtCost
                               ? ": the Cost, already a whole number."
                               : ": the Cost " + now.txtCost
                                     + " rounded to a whole number, a half to the even"
                                       " neighbour.");
    return sources;
}

} // namespace tarvello
