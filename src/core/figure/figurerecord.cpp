#include "figurerecord.h"

#include "figurekeys.h"

#include <utility>

namespace tarvello {

namespace {

using Entries = std::vector<std::string> ChoiceEntries::*;

// Each choice of the inputs beside the entries of its list.
const std::pair<Choice FigureInputs::*, Entries> kEntryLists[] = {
    {&FigureInputs::cboFigureType, &ChoiceEntries::cboFigureType},
    {&FigureInputs::cboTrainingLevel, &ChoiceEntries::cboTrainingLevel},
    {&FigureInputs::cboRace, &ChoiceEntries::cboRace},
    {&FigureInputs::cboArmorType, &ChoiceEntries::cboArmorType},
    {&FigureInputs::cboMove, &ChoiceEntries::cboMove},
    {&FigureInputs::cboCommandSkill, &ChoiceEntries::cboCommandSkill}};

Entries EntriesFor(Choice FigureInputs::*choice)
{
    for (const auto &[list, entries] : kEntryLists) {
        if (list == choice)
            return entries;
    }
    return &ChoiceEntries::cboFigureType;
}

} // namespace

const std::vector<std::string> &ChoiceEntries::Of(Choice FigureInputs::*choice) const
{
    return this->*EntriesFor(choice);
}

std::vector<std::string> &ChoiceEntries::Of(Choice FigureInputs::*choice)
{
    return this->*EntriesFor(choice);
}

int ChoiceEntries::Find(Choice FigureInputs::*choice, std::string_view text) const
{
    const std::vector<std::string> &entries = Of(choice);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}

void Select(Choice &choice, const std::vector<std::string> &entries, int i)
{
    const bool entry = i >= 0 && i < static_cast<int>(entries.size());
    choice.index = entry ? i : -1;
    choice.text = entry ? entries[static_cast<std::size_t>(i)] : std::string();
}

namespace {

using R = FigureRecord;

constexpr FigureField Text(const char *name, std::string R::*member)
{
    return {name, FigureFieldKind::Text, member, nullptr, nullptr};
}

constexpr FigureField ChoiceField(const char *name, Choice FigureInputs::*member)
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
    ChoiceField(figurekeys::kFigureType, &R::cboFigureType),
    Text("txtRaceHitFactorModifier", &R::txtRaceHitFactorModifier),
    Text("txtAdjustHitFactor", &R::txtAdjustHitFactor),
    ChoiceField(figurekeys::kTrainingLevel, &R::cboTrainingLevel),
    Text(figurekeys::kHitPoints, &R::txtHitPoints),
    ChoiceField(figurekeys::kArmorType, &R::cboArmorType),
    ChoiceField(figurekeys::kRace, &R::cboRace),
    ChoiceField("cboMove", &R::cboMove),
    ChoiceField(figurekeys::kCommandSkill, &R::cboCommandSkill),
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
