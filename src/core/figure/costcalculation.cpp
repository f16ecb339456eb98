#include "costcalculation.h"

#include "figurerecord.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "rules/rulestables.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace tarvello {

namespace {

// The steps of one calculation; each failure throws RuntimeError with its
// description, so the fields written before it stay.
class Calculation
{
public:
    Calculation(FigureRecord &figure, const RulesTables &tables)
        : f(figure)
        , t(tables)
        , mark(tables.DecimalMark())
    {
    }

    void Run()
    {
        const int type = f.cboFigureType.index;
        const int training = f.cboTrainingLevel.index;

        // Base hit factor and morale.
        const ArmorTypeRow &armor = At(t.ArmorTypes, f.cboArmorType.index);
        if (type == kFigureTypeNormal) {
            CheckTraining(training);
            const std::int16_t base[3] = {armor.GreenHitFactor, armor.LineHitFactor,
                                          armor.EliteHitFactor};
            static const std::string morale[3] = {"3", "5", "7"};
            Write(f.txtBaseHitFactor, base[training]);
            f.txtBaseMorale = morale[training];
        } else {
            Write(f.txtBaseHitFactor, armor.SpecialHitFactor);
            f.txtBaseMorale = "N/A";
        }

        // Magic skill.
        if (type == kFigureTypeBattleMage) {
            CheckTraining(training);
            static const std::string magic[3] = {"15", "25", "45"};
            f.txtMagicSkillCost = magic[training];
        } else {
            static const std::string zero = "0";
            f.txtMagicSkillCost = zero;
        }

        Write(f.txtRaceHitFactorModifier, At(t.Races, f.cboRace.index).HitFactorModifier);

        // Adjusted hit factor, clamped to 1..last defense row.
        double adjusted = LeadingNumber(f.txtAdjustHitFactor);
        adjusted += LeadingNumber(f.txtRaceHitFactorModifier);
        adjusted += LeadingNumber(f.txtBaseHitFactor);
        Write(f.txtAdjustedHitFactor, adjusted);
        static const std::string one = "1";
        if (Locale(f.txtAdjustedHitFactor) < 1)
            f.txtAdjustedHitFactor = one;
        if (t.DefenseFactors.empty())
            throw RuntimeError(errtext::kSubscriptOutOfRange);
        const double lastIndex = static_cast<double>(t.DefenseFactors.size() - 1);
        if (Locale(f.txtAdjustedHitFactor) > lastIndex)
            Write(f.txtAdjustedHitFactor, lastIndex);
        const double h = RoundHalfEven(LeadingNumber(f.txtAdjustedHitFactor));
        Write(f.txtDefenseFactor, At(t.DefenseFactors, h));

        // Movement.
        const MoveRow &move = At(t.Moves, f.cboMove.index);
        Write(f.txtMove, move.Move);
        if (f.chkUseOptionalMovement != 0)
            Write(f.txtMoveMultiplier, Locale(f.txtMove) * 0.06 + 0.64);
        else
            Write(f.txtMoveMultiplier, move.MoveMultiplier);

        const CommandSkillRow &skill = At(t.CommandSkills, f.cboCommandSkill.index);
        Write(f.txtCommandSkillCost, skill.Cost);
        Write(f.txtInitiativeModifier, skill.InitiativeModifier);

        f.txtHitPointsCopy = f.txtHitPoints;

        const std::vector<AttackRollRow> &rolls = t.AttackRolls(training);

        double melee = 0;
        for (const ListRow &row : f.lvwMeleeWeaponsSelected)
            melee += At(rolls, Rounded(row, 1)).MeleeMultiplier;
        Write(f.txtMeleeWeaponMultiplier, melee);

        double missile = 0;
        for (const ListRow &row : f.lvwMissileWeaponsSelected) {
            const double d = Rounded(row, 1);
            const double s = Rounded(row, 3);
            const double l = Rounded(row, 4);
            const double n = Rounded(row, kMissileShotsColumn);
            const double r = Rounded(row, 2);
            const AttackRollRow &roll = At(rolls, d);
            double m = roll.MissileMultiplier;
            const double b0 = roll.MeleeMultiplier;
            if (f.chkOptionalRangeCost != 0) {
                const double a = l * 0.165 + 0.335;
                const double b = s * 0.165 + 0.335;
                const double tenth = d / 10;
                m = b0 * b - (a - b) * tenth;
            }
            if (n > 0)
                m = ((m - 1) * n) / 20 + 1;
            missile += r * m;
        }
        Write(f.txtMissileWeaponMultiplier, missile);

        double items = 0;
        for (const ListRow &row : f.lvwExtraItemsSelected)
            items += LeadingNumber(Column(row, 1));
        Write(f.txtExtraItemsCost, items);
        Write(f.txtExtraItemsCostCopy, items);

        Write(f.txtTotalWeaponMultiplier,
              Locale(f.txtMeleeWeaponMultiplier) + Locale(f.txtMissileWeaponMultiplier));

        double p = Locale(f.txtTotalWeaponMultiplier) * Locale(f.txtDefenseFactor);
        p = Locale(f.txtHitPoints) * p;
        p = Locale(f.txtMoveMultiplier) * p;
        p = Locale(f.txtCommandSkillCost) + p;
        p = Locale(f.txtExtraItemsCost) + p;
        p = Locale(f.txtMagicSkillCost) + p;
        Write(f.txtCost, p);

        Write(f.txtFinalCost, RoundHalfEven(Locale(f.txtCost)));
    }

private:
    static void CheckTraining(int training)
    {
        if (training < 0 || training > 2)
            throw RuntimeError(errtext::kSubscriptOutOfRange);
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

    static const std::string &Column(const ListRow &row, std::size_t column)
    {
        static const std::string empty;
        return column < row.size() ? row[column] : empty;
    }

    // A list column read as its leading number, whole-number rounded.
    static double Rounded(const ListRow &row, std::size_t column)
    {
        const double value = RoundHalfEven(LeadingNumber(Column(row, column)));
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

    FigureRecord &f;
    const RulesTables &t;
    const char mark;
};

} // namespace

std::string CalculateCost(FigureRecord &figure, const RulesTables &tables)
{
    try {
        Calculation(figure, tables).Run();
    } catch (const std::exception &e) {
        return std::string("Error in calculating cost!\r\n") + e.what();
    }
    return {};
}

} // namespace tarvello
