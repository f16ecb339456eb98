#pragma once

#include "platform/trtext.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The figure's fields, named after the figure editor's controls that hold
// them: what the figure file stores, apart from the editor's lists of what
// can be added (AvailableLists). Every field is text as the editor shows it;
// choice lists hold their entries and the chosen position; check boxes hold
// 0 or 1.
namespace tarvello {

// A choice list: its entries in order and the chosen position (-1 when
// nothing is chosen, e.g. for an empty list).
struct ChoiceList
{
    std::vector<std::string> items;
    int index = 0;

    // The chosen entry's text, empty when the position is not an entry.
    std::string Text() const;

    // The position of the first entry equal to text (exact, case-sensitive),
    // -1 when there is none.
    int Find(std::string_view text) const;

    bool operator==(const ChoiceList &) const = default;
};

// One row of a list view: its columns as text, in column order.
using ListRow = std::vector<std::string>;

// The figure types in list order (FigureType).
inline constexpr std::array<const char *, 5> kFigureTypeNames = {
    "Normal", "Commander", "Hero", "Vehicle", "BattleMage"};

// The training list's captions: the ordinary ones, a vehicle's and a mage's.
inline constexpr std::array<const char *, 3> kTrainingCaptions = {"Green", "Line", "Elite"};
inline constexpr std::array<const char *, 3> kVehicleCaptions = {"Poor", "Good", "Excellent"};
inline constexpr std::array<const char *, 3> kMageCaptions = {"Apprentice", "Journeyman", "Master"};
// The label beside the training list.
inline constexpr const char *kTrainingLevelLabel = TV_TR("Core", "Training Level");
inline constexpr const char *kTargetingSystemLabel = TV_TR("Core", "Targeting System");

// Every field of one figure. A new record holds the initial texts; the choice
// lists are empty until the editor fills them from the rules tables.
// The adjustment's text while a negative number is being typed; until the
// box is left it counts as 0 in the cost, the file and the report.
inline constexpr std::string_view kLoneMinus = "-";

struct FigureRecord
{
    // Input fields.
    std::string txtFigureName;
    std::string txtImageFile;
    ChoiceList cboFigureType;
    ChoiceList cboTrainingLevel;
    ChoiceList cboRace;
    ChoiceList cboArmorType;
    ChoiceList cboMove;
    ChoiceList cboCommandSkill;
    std::string txtAdjustHitFactor = "0";
    std::string txtHitPoints = "1";
    int chkUseOptionalMovement = 0;
    int chkOptionalRangeCost = 0;

    // Derived fields, written only by the cost calculation.
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

    // Shots of the missile weapon row last clicked (editor state, saved but
    // not calculated).
    std::string txtLimitedShots = "0";

    // Selected lists: melee rows (Weapon, Max Damage, Notes), missile rows
    // (Weapon, Max Damage, Attack Radius, Short, Long, Shots, Notes), extra
    // item rows (Item, Cost, Max Damage, Attack Radius, Short, Long, Notes).
    std::vector<ListRow> lvwMeleeWeaponsSelected;
    std::vector<ListRow> lvwMissileWeaponsSelected;
    std::vector<ListRow> lvwExtraItemsSelected;

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

// How a field of the figure file's Figure section is held.
enum class FigureFieldKind { Text, Choice, Check };

// One field stored in the Figure section: its key (the control's name) and
// the record member holding it (exactly one member pointer is set).
struct FigureField
{
    const char *name;
    FigureFieldKind kind;
    std::string FigureRecord::*text;
    ChoiceList FigureRecord::*choice;
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
