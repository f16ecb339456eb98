#include "figurerecord.h"

#include "figurekeys.h"

namespace tarvello {

std::string ChoiceList::Text() const
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(index)];
}

int ChoiceList::Find(std::string_view text) const
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {

using R = FigureRecord;

constexpr FigureField Text(const char *name, std::string R::*member)
{
    return {name, FigureFieldKind::Text, member, nullptr, nullptr};
}

constexpr FigureField Choice(const char *name, ChoiceList R::*member)
{
    return {name, FigureFieldKind::Choice, nullptr, member, nullptr};
}

constexpr FigureField Check(const char *name, int R::*member)
{
    return {name, FigureFieldKind::Check, nullptr, nullptr, member};
}

const std::array<FigureField, kFigureFieldCount> kFields = {
    Check("chkUseOptionalMovement", &R::chkUseOptionalMovement),
    Check("chkOptionalRangeCost", &R::chkOptionalRangeCost),
    Text(figurekeys::kFigureName, &R::txtFigureName),
    Text("txtImageFile", &R::txtImageFile),
    Choice(figurekeys::kFigureType, &R::cboFigureType),
    Text("txtRaceHitFactorModifier", &R::txtRaceHitFactorModifier),
    Text("txtAdjustHitFactor", &R::txtAdjustHitFactor),
    Choice(figurekeys::kTrainingLevel, &R::cboTrainingLevel),
    Text(figurekeys::kHitPoints, &R::txtHitPoints),
    Choice(figurekeys::kArmorType, &R::cboArmorType),
    Choice(figurekeys::kRace, &R::cboRace),
    Choice("cboMove", &R::cboMove),
    Choice(figurekeys::kCommandSkill, &R::cboCommandSkill),
    Text("txtBaseHitFactor", &R::txtBaseHitFactor),
    Text(figurekeys::kAdjustedHitFactor, &R::txtAdjustedHitFactor),
    Text(figurekeys::kMove, &R::txtMove),
    Text("txtInitiativeModifier", &R::txtInitiativeModifier),
    Text(figurekeys::kBaseMorale, &R::txtBaseMorale),
    Text("txtExtraItemsCost", &R::txtExtraItemsCost),
    Text("txtMagicSkillCost", &R::txtMagicSkillCost),
    Text(figurekeys::kFinalCost, &R::txtFinalCost),
    Text("txtExtraItemsCostCopy", &R::txtExtraItemsCostCopy),
    Text("txtHitPointsCopy", &R::txtHitPointsCopy),
    Text("txtDefenseFactor", &R::txtDefenseFactor),
    Text("txtCost", &R::txtCost),
    Text("txtTotalWeaponMultiplier", &R::txtTotalWeaponMultiplier),
    Text("txtMoveMultiplier", &R::txtMoveMultiplier),
    Text("txtCommandSkillCost", &R::txtCommandSkillCost),
    Text("txtLimitedShots", &R::txtLimitedShots),
    Text("txtMissileWeaponMultiplier", &R::txtMissileWeaponMultiplier),
    Text("txtMeleeWeaponMultiplier", &R::txtMeleeWeaponMultiplier),
};

} // namespace

const std::array<FigureField, kFigureFieldCount> &FigureFields()
{
    return kFields;
}

std::string FieldValue(const FigureRecord &record, const FigureField &field)
{
    switch (field.kind) {
    case FigureFieldKind::Text:
        return record.*field.text;
    case FigureFieldKind::Choice:
        return (record.*field.choice).Text();
    case FigureFieldKind::Check:
        return (record.*field.check) != 0 ? "1" : "0";
    }
    return {};
}

} // namespace tarvello
