#include "costcalculation.h"

#include "platform/messagetexts.h"

#include "figurerecord.h"
#include "figurerules.h"
#include "figureseries.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "rules/rulestables.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace tarvello {

namespace {

// The adjusted hit factor is at least 1.
constexpr double kLowestHitFactor = 1;

// The steps of one calculation; each failure throws RuntimeError with its
// description, so the fields written before it stay.
class Calculation
{
public:
    Calculation(const FigureInputs &inputs, const RulesTables &tables, FigureCosts &costs,
                CostTerms *terms)
        : in(inputs)
        , out(costs)
        , t(tables)
        , mark(tables.DecimalMark())
        , kept(terms)
    {
        if (kept)
            *kept = {};
    }

    void Run()
    {
        BaseHitFactorAndMorale();
        MagicSkill();
        Write(out.txtRaceHitFactorModifier, At(t.Races, in.cboRace.index).HitFactorModifier);
        DefenseFactor();
        Movement();
        const CommandSkillRow &skill = At(t.CommandSkills, in.cboCommandSkill.index);
        Write(out.txtCommandSkillCost, skill.Cost);
        Write(out.txtInitiativeModifier, skill.InitiativeModifier);
        out.txtHitPointsCopy = in.txtHitPoints;
        WeaponsAndItems();
        Cost();
    }

private:
    FigureType Type() const { return static_cast<FigureType>(in.cboFigureType.index); }

    // The training position as an index of the fixed three-entry rules.
    std::size_t Training() const
    {
        const int training = in.cboTrainingLevel.index;
        if (training < 0 || training >= kTrainingLevelCount)
            throw RuntimeError(errtext::kSubscriptOutOfRange);
        return static_cast<std::size_t>(training);
    }

    // The attack-roll table: line and elite by their positions, green else.
    const std::vector<AttackRollRow> &AttackRolls() const
    {
        const int training = in.cboTrainingLevel.index;
        if (training == static_cast<int>(TrainingLevel::Line))
            return t.AttackRolls(TrainingLevel::Line);
        if (training == static_cast<int>(TrainingLevel::Elite))
            return t.AttackRolls(TrainingLevel::Elite);
        return t.AttackRolls(TrainingLevel::Green);
    }

    void BaseHitFactorAndMorale()
    {
        const ArmorTypeRow &armor = At(t.ArmorTypes, in.cboArmorType.index);
        if (Type() == FigureType::Normal) {
            const std::size_t training = Training();
            const std::int16_t base[kTrainingLevelCount] = {armor.GreenHitFactor,
                                                            armor.LineHitFactor,
                                                            armor.EliteHitFactor};
            Write(out.txtBaseHitFactor, base[training]);
            out.txtBaseMorale = kBaseMorale[training];
        } else {
            Write(out.txtBaseHitFactor, armor.SpecialHitFactor);
            out.txtBaseMorale = kNoMorale;
        }
    }

    void MagicSkill()
    {
        if (Type() == FigureType::BattleMage)
            out.txtMagicSkillCost = kMagicSkillCost[Training()];
        else // a moved string: GCC 12 warns of a false overlap in a literal's copy
            out.txtMagicSkillCost = std::string(kNoMagicSkillCost);
    }

    // Adjusted hit factor, clamped to 1..last defense row, and its defense.
    void DefenseFactor()
    {
        double adjusted = LeadingNumber(in.txtAdjustHitFactor);
        adjusted += LeadingNumber(out.txtRaceHitFactorModifier);
        adjusted += LeadingNumber(out.txtBaseHitFactor);
        Write(out.txtAdjustedHitFactor, adjusted);
        if (Locale(out.txtAdjustedHitFactor) < kLowestHitFactor)
            Write(out.txtAdjustedHitFactor, kLowestHitFactor);
        if (t.DefenseFactors.empty())
            throw RuntimeError(errtext::kSubscriptOutOfRange);
        const double lastIndex = static_cast<double>(t.DefenseFactors.size() - 1);
        if (Locale(out.txtAdjustedHitFactor) > lastIndex)
            Write(out.txtAdjustedHitFactor, lastIndex);
        const double h = RoundHalfEven(LeadingNumber(out.txtAdjustedHitFactor));
        Write(out.txtDefenseFactor, At(t.DefenseFactors, h));
    }

    void Movement()
    {
        const MoveRow &move = At(t.Moves, in.cboMove.index);
        Write(out.txtMove, move.Move);
        if (in.chkUseOptionalMovement != 0)
            Write(out.txtMoveMultiplier, Locale(out.txtMove) * kMoveWeight + kMoveOffset);
        else
            Write(out.txtMoveMultiplier, move.MoveMultiplier);
    }

    void WeaponsAndItems()
    {
        const std::vector<AttackRollRow> &rolls = AttackRolls();
        double melee = 0;
        static const std::size_t damage = Column(FigureSeries::Melee, SeriesColumn::MaxDamage);
        for (const ListRow &row : in.lvwMeleeWeaponsSelected)
            melee += Keep(&CostTerms::melee, At(rolls, Rounded(row, damage)).MeleeMultiplier);
        Write(out.txtMeleeWeaponMultiplier, melee);

        double missile = 0;
        for (const ListRow &row : in.lvwMissileWeaponsSelected)
            missile += Keep(&CostTerms::missile, MissileMultiplier(row, rolls));
        Write(out.txtMissileWeaponMultiplier, missile);

        double items = 0;
        static const std::size_t cost = Column(FigureSeries::ExtraItem, SeriesColumn::Cost);
        for (const ListRow &row : in.lvwExtraItemsSelected)
            items += Keep(&CostTerms::items, LeadingNumber(Text(row, cost)));
        Write(out.txtExtraItemsCost, items);
        Write(out.txtExtraItemsCostCopy, items);
    }

    // A row's term, kept when the caller asked for the terms.
    double Keep(std::vector<double> CostTerms::*sum, double term) const
    {
        if (kept)
            (kept->*sum).push_back(term);
        return term;
    }

    // One missile weapon's share: attack radius x its multiplier.
    double MissileMultiplier(const ListRow &row, const std::vector<AttackRollRow> &rolls) const
    {
        struct Columns
        {
            std::size_t damage, shortRange, longRange, shots, radius;
        };
        const auto column = [](SeriesColumn id) { return Column(FigureSeries::Missile, id); };
        static const Columns c = {column(SeriesColumn::MaxDamage),
                                  column(SeriesColumn::ShortRange),
                                  column(SeriesColumn::LongRange), column(SeriesColumn::Shots),
                                  column(SeriesColumn::AttackRadius)};
        const double d = Rounded(row, c.damage);
        const double s = Rounded(row, c.shortRange);
        const double l = Rounded(row, c.longRange);
        const double n = Rounded(row, c.shots);
        const double r = Rounded(row, c.radius);
        const AttackRollRow &roll = At(rolls, d);
        double m = roll.MissileMultiplier;
        if (in.chkOptionalRangeCost != 0) {
            const double a = l * kRangeWeight + kRangeOffset;
            const double b = s * kRangeWeight + kRangeOffset;
            m = roll.MeleeMultiplier * b - (a - b) * (d / kRangeDamageDivisor);
        }
        if (n > 0)
            m = ((m - 1) * n) / kShotsLimit + 1;
        return r * m;
    }

    void Cost()
    {
        Write(out.txtTotalWeaponMultiplier,
              Locale(out.txtMeleeWeaponMultiplier) + Locale(out.txtMissileWeaponMultiplier));
        double p = Locale(out.txtTotalWeaponMultiplier) * Locale(out.txtDefenseFactor);
        p = Locale(in.txtHitPoints) * p;
        p = Locale(out.txtMoveMultiplier) * p;
        p = Locale(out.txtCommandSkillCost) + p;
        p = Locale(out.txtExtraItemsCost) + p;
        p = Locale(out.txtMagicSkillCost) + p;
        Write(out.txtCost, p);
        Write(out.txtFinalCost, RoundHalfEven(Locale(out.txtCost)));
    }

    template<typename T>
    static const T &At(const std::vector<T> &table, double position)
    {
        if (!std::isfinite(position))
            throw RuntimeError(errtext::kOverflow);
        if (position < 0 || position >= static_cast<double>(table.size()))
            throw RuntimeError(errtext::kSubscriptOutOfRange);
        return table[static_cast<std::size_t>(position)];
    }

    // The position of a column in a selected row of the series.
    static std::size_t Column(FigureSeries series, SeriesColumn column)
    {
        return static_cast<std::size_t>(Schema(series).Index(column));
    }

    static const std::string &Text(const ListRow &row, std::size_t column)
    {
        static const std::string empty;
        return column < row.size() ? row[column] : empty;
    }

    // A list column read as its leading number, whole-number rounded.
    static double Rounded(const ListRow &row, std::size_t column)
    {
        const double value = RoundHalfEven(LeadingNumber(Text(row, column)));
        if (!std::isfinite(value))
            throw RuntimeError(errtext::kOverflow);
        return value;
    }

    double Locale(const std::string &text) const
    {
        const std::optional<double> value = LocaleNumber(text, mark);
        if (!value)
            throw RuntimeError(errtext::kTypeMismatch);
        return *value;
    }

    void Write(std::string &field, double value) const
    {
        if (!std::isfinite(value))
            throw RuntimeError(errtext::kOverflow);
        field = NumberText(value, mark);
    }

    const FigureInputs &in;
    FigureCosts &out;
    const RulesTables &t;
    const char mark;
    CostTerms *const kept;
};

} // namespace

Status CalculateCost(const FigureInputs &inputs, const RulesTables &tables, FigureCosts &costs,
                     CostTerms *terms)
{
    try {
        Calculation(inputs, tables, costs, terms).Run();
    } catch (const std::exception &e) {
        return Failure{TV_TR("Core", "Error in calculating cost!"), e.what()};
    }
    return {};
}

Status CalculateCost(FigureRecord &figure, const RulesTables &tables, CostTerms *terms)
{
    return CalculateCost(figure, tables, figure, terms);
}

} // namespace tarvello
