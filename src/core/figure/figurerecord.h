#pragma once

#include "figureinputs.h"
#include "platform/trtext.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The figure as its file stores it: the player's inputs (FigureInputs) and
// the fields the cost calculation derives from them (FigureCosts). Apart
// from it are the editor's form state: the lists of what can be added
// (AvailableLists) and the choice lists' entries (ChoiceEntries).
namespace tarvello {

// The figure types in list order (FigureType).
inline constexpr std::array<const char *, 5> kFigureTypeNames = {
    TV_TR("Core", "Normal"), TV_TR("Core", "Commander"), TV_TR("Core", "Hero"),
    TV_TR("Core", "Vehicle"), TV_TR("Core", "BattleMage")};

// The training list's captions: the ordinary ones, a vehicle's and a mage's.
// Files and printouts hold them as written here; a window may show them in its language.
inline constexpr std::array<const char *, 3> kTrainingCaptions = {
    TV_TR("Core", "Green"), TV_TR("Core", "Line"), TV_TR("Core", "Elite")};
inline constexpr std::array<const char *, 3> kVehicleCaptions = {
    TV_TR("Core", "Poor"), TV_TR("Core", "Good"), TV_TR("Core", "Excellent")};
inline constexpr std::array<const char *, 3> kMageCaptions = {
    TV_TR("Core", "Apprentice"), TV_TR("Core", "Journeyman"), TV_TR("Core", "Master")};

// The label beside the training list.
inline constexpr const char *kTrainingLevelLabel = TV_TR("Core", "Training Level");
inline constexpr const char *kTargetingSystemLabel = TV_TR("Core", "Targeting System");

// The adjustment's text while a negative number is being typed; until the
// box is left it counts as 0 in the cost, the file and the report.
inline constexpr std::string_view kLoneMinus = "-";

// The derived fields of a figure, written only by the cost calculation.
struct FigureCosts
{
    std::string txtBaseHitFactor;
    std::string txtBaseMorale;
    std::string txtMagicSkillCost;
    std::string txtRaceHitFactorModifier;
    std::string txtAdjustedHitFactor;
    std::string txtDefenseFactor;
    std::string txtMove;
    std::string txtMoveMultiplier;
    std::string txtCommandSkillCost;
    std::string txtInitiativeModifier;
    std::string txtHitPointsCopy;
    std::string txtMeleeWeaponMultiplier;
    std::string txtMissileWeaponMultiplier;
    std::string txtExtraItemsCost;
    std::string txtExtraItemsCostCopy;
    std::string txtTotalWeaponMultiplier;
    std::string txtCost;
    std::string txtFinalCost;

    bool operator==(const FigureCosts &) const = default;
};

// Every field of one figure: its inputs and their costs. A new record holds
// the initial texts and no chosen entries until the editor fills its lists.
struct FigureRecord : FigureInputs, FigureCosts
{
    bool operator==(const FigureRecord &) const = default;
};

// The figure editor's available lists, one row per rules table row: melee (3
// columns), missile (6 columns, no Shots), extra items (7 columns). They come
// from the tables, not from the figure.
struct AvailableLists
{
    std::vector<ListRow> lvwMeleeWeapons;
    std::vector<ListRow> lvwMissileWeapons;
    std::vector<ListRow> lvwExtraItems;

    bool operator==(const AvailableLists &) const = default;
};

// The figure editor's choice lists' entries in order: the figure types, the
// training captions shown for the chosen type, and the names of the race,
// armour type, move and command skill tables' rows.
struct ChoiceEntries
{
    std::vector<std::string> cboFigureType;
    std::vector<std::string> cboTrainingLevel;
    std::vector<std::string> cboRace;
    std::vector<std::string> cboArmorType;
    std::vector<std::string> cboMove;
    std::vector<std::string> cboCommandSkill;

    // The entries of the list that holds choice.
    const std::vector<std::string> &Of(Choice FigureInputs::*choice) const;
    std::vector<std::string> &Of(Choice FigureInputs::*choice);

    // The position of the first entry of that list equal to text (exact,
    // case-sensitive), -1 when there is none.
    int Find(Choice FigureInputs::*choice, std::string_view text) const;

    bool operator==(const ChoiceEntries &) const = default;
};

// Chooses entry i of entries: its position and text; a position that is no
// entry chooses nothing (-1, empty text).
void Select(Choice &choice, const std::vector<std::string> &entries, int i);

// How a field of the figure file's Figure section is held.
enum class FigureFieldKind { Text, Choice, Check };

// One field stored in the Figure section: its key (the control's name) and
// the record member holding it (exactly one member pointer is set).
struct FigureField
{
    const char *name;
    FigureFieldKind kind;
    std::string FigureRecord::*text;
    Choice FigureInputs::*choice;
    int FigureRecord::*check;
};

// The number of fields in the Figure section.
inline constexpr std::size_t kFigureFieldCount = 31;

// The fields in the editor's control order, which is also the order in which
// a first save writes the keys of the Figure section.
const std::array<FigureField, kFigureFieldCount> &FigureFields();

// The text a field is saved as: the text field's text, the chosen entry's
// text, or "0"/"1" for a check box.
std::string FieldValue(const FigureRecord &record, const FigureField &field);

} // namespace tarvello
