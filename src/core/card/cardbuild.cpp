#include "cardbuild.h"

#include "platform/explaintexts.h"
#include "platform/messagetexts.h"

#include "cardlayout.h"
#include "cardsource.h"

#include "figure/figurerules.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "platform/runtimeerror.h"
#include "rules/rulestables.h"

#include <array>
#include <cmath>
#include <optional>

namespace tarvello {

namespace {

constexpr const char *kSentence = TV_TR("Core", "The unit card cannot be opened!");
constexpr int kBattleMage = static_cast<int>(FigureType::BattleMage);

// A refusal to build the card, carrying its description.
struct Refusal
{
    std::string description;
};

// A figure field converted to a whole number by the locale's rules.
std::int32_t WholeField(const char *label, const std::string &text, char decimalMark)
{
    const std::optional<double> value = LocaleNumber(text, decimalMark);
    if (!value)
        throw Refusal{FillText(msg::kFieldNotNumber, {label, text})};
    const double rounded = RoundHalfEven(*value);
    if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0)
        throw Refusal{FillText(msg::kFieldTooLarge, {label, text})};
    return std::int32_t(rounded);
}

// A weapon column's leading number, rounded, within the given bounds.
std::int32_t WeaponValue(const std::vector<std::string> &row, std::size_t column,
                         const char *label, double limit)
{
    const std::string text = column < row.size() ? row[column] : std::string();
    const double value = RoundHalfEven(LeadingNumber(text));
    if (!std::isfinite(value) || value < -limit - 1.0 || value > limit) {
        const std::string name = row.empty() ? std::string() : row[0];
        throw Refusal{FillText(msg::kWeaponTooLarge, {name, label, text})};
    }
    return std::int32_t(value);
}

void SetMageValues(clsFigure &figure)
{
    if (figure.FigureType != kBattleMage || figure.TrainingLevel < 0
        || figure.TrainingLevel >= kTrainingLevelCount)
        return;
    const MageValues &m = kMageValues[std::size_t(figure.TrainingLevel)];
    figure.ManaDraw = m.manaDraw;
    figure.MaxMana = m.maxMana;
    figure.SpellRangeShort = m.spellRangeShort;
    figure.SpellRangeLong = m.spellRangeLong;
    figure.MaxSpells = m.maxSpells;
}

void FillRolls(clsAttack &attack, std::int32_t damage, int training, const RulesTables &tables)
{
    if (training < 0 || training > 2)
        return;
    constexpr std::array<const char *, 3> kTables = {"green", "line", "elite"};
    const std::vector<AttackRollRow> &rows = tables.AttackRolls(static_cast<TrainingLevel>(training));
    if (damage < 0 || std::size_t(damage) >= rows.size()) {
        throw Refusal{FillText(msg::kNoRollRow, {attack.Name, std::to_string(damage),
                                                 kTables[std::size_t(training)]})};
    }
    for (int k = 1; k <= 10; ++k)
        AttackRoll(attack, k) = rows[std::size_t(damage)].Rolls[k - 1];
}

clsAttack MeleeAttack(const std::vector<std::string> &row, int training,
                      const RulesTables &tables)
{
    clsAttack attack;
    attack.Name = row.empty() ? std::string() : row[0];
    FillRolls(attack, WeaponValue(row, 1, TV_TR("Core", "maximum damage"), 2147483647.0), training, tables);
    return attack;
}

clsAttack MissileAttack(const std::vector<std::string> &row, int training,
                        const RulesTables &tables)
{
    clsAttack attack;
    attack.Name = row.empty() ? std::string() : row[0];
    attack.AttackRadius = std::int16_t(WeaponValue(row, 2, TV_TR("Core", "attack radius"), 32767.0));
    attack.ShortRange = std::int16_t(WeaponValue(row, 3, TV_TR("Core", "short range"), 32767.0));
    attack.LongRange = std::int16_t(WeaponValue(row, 4, TV_TR("Core", "long range"), 32767.0));
    attack.Shots = std::int16_t(WeaponValue(row, 5, TV_TR("Core", "number of shots"), 32767.0));
    FillRolls(attack, WeaponValue(row, 1, TV_TR("Core", "maximum damage"), 2147483647.0), training, tables);
    return attack;
}

void ReadSavedLayout(clsFigure &figure)
{
    if (figure.UnitFile.empty())
        return;
    ProfileDocument doc;
    // An unreadable figure file reads as one without a saved layout: the
    // card opens with the default place and size.
    (void)doc.Load(figure.UnitFile);
    const CardRect saved = ReadCardLayout(doc);
    figure.ImageHeight = saved.Height;
    figure.ImageWidth = saved.Width;
    figure.ImageLeft = saved.Left;
    figure.ImageTop = saved.Top;
}

clsFigure Build(const CardSource &source, const RulesTables &tables)
{
    const char mark = tables.DecimalMark();
    clsFigure figure;
    figure.Name = source.Name;
    figure.Move = WholeField(TV_TR("Core", "Move"), source.Move, mark);
    figure.Armor = source.Armor;
    figure.Cost = WholeField(TV_TR("Core", "Final Cost"), source.Cost, mark);
    figure.HitFactor = WholeField(TV_TR("Core", "Adjusted Hit Factor"), source.HitFactor, mark);
    const double morale = RoundHalfEven(LeadingNumber(source.Morale));
    if (!std::isfinite(morale) || std::abs(morale) > 2147483647.0)
        throw Refusal{FillText(msg::kFieldTooLarge, {TV_TR("Core", "Base Morale"), source.Morale})};
    figure.Morale = std::int32_t(morale);
    figure.HitPoints = WholeField(TV_TR("Core", "Hit Points"), source.HitPoints, mark);
    figure.Command = WholeField(TV_TR("Core", "Initiative Modifier"), source.Command, mark);
    const bool knownTraining = source.TrainingLevel >= 0 && source.TrainingLevel <= 2;
    figure.TrainingLevel = std::int16_t(knownTraining ? source.TrainingLevel : -1);
    figure.ImageFile = source.ImageFile;
    figure.UnitFile = source.FileName;
    ReadSavedLayout(figure);
    figure.OptionalRules = (source.OptionalRangeCost | source.UseOptionalMovement) > 0;
    figure.FigureType = std::int16_t(source.FigureType);
    SetMageValues(figure);
    for (const std::vector<std::string> &row : source.Melee)
        figure.Attacks.push_back(MeleeAttack(row, figure.TrainingLevel, tables));
    for (const std::vector<std::string> &row : source.Missile)
        figure.Attacks.push_back(MissileAttack(row, figure.TrainingLevel, tables));
    figure.ExtraItems = source.ExtraItems;
    return figure;
}

} // namespace

Result<clsFigure> BuildCardFigure(const CardSource &source, const RulesTables &tables)
{
    try {
        return Build(source, tables);
    } catch (const Refusal &refusal) {
        return Failure{kSentence, refusal.description, FailureKind::Refused};
    } catch (const std::exception &error) {
        return Failure{kSentence, error.what()};
    }
}

} // namespace tarvello
