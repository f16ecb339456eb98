#pragma once

#include <string>
#include <vector>

// What the player chose for a figure: the fields its cost is calculated from
// and its file stores besides the calculated ones. Built by the figure
// editor, or in code without any editor.
namespace tarvello {

// One row of a list view: its columns as text, in column order.
using ListRow = std::vector<std::string>;

// A choice made in a choice list: the chosen position (-1 when nothing is
// chosen), by which the calculation finds its rules table row, and the
// chosen entry's text, which the file, report, card and tool tips show.
struct Choice
{
    int index = 0;
    std::string text;

    // The chosen entry's text, empty when nothing is chosen.
    const std::string &Text() const { return text; }

    bool operator==(const Choice &) const = default;
};

// The player's fields of one figure, named after the figure editor's
// controls that hold them. Texts are as the editor shows them; check boxes
// hold 0 or 1.
struct FigureInputs
{
    std::string txtFigureName;
    std::string txtImageFile;
    Choice cboFigureType;
    Choice cboTrainingLevel;
    Choice cboRace;
    Choice cboArmorType;
    Choice cboMove;
    Choice cboCommandSkill;
    std::string txtAdjustHitFactor = "0";
    std::string txtHitPoints = "1";
    int chkUseOptionalMovement = 0;
    int chkOptionalRangeCost = 0;

    // Shots of the missile weapon row last clicked (saved, not calculated).
    std::string txtLimitedShots = "0";

    // Selected lists: melee rows (Weapon, Max Damage, Notes), missile rows
    // (Weapon, Max Damage, Attack Radius, Short, Long, Shots, Notes), extra
    // item rows (Item, Cost, Max Damage, Attack Radius, Short, Long, Notes).
    std::vector<ListRow> lvwMeleeWeaponsSelected;
    std::vector<ListRow> lvwMissileWeaponsSelected;
    std::vector<ListRow> lvwExtraItemsSelected;

    bool operator==(const FigureInputs &) const = default;
};

} // namespace tarvello
