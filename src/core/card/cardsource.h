#pragma once

#include <string>
#include <vector>

// The figure editor's shown values that a unit card is built from, as text
// exactly as the editor shows them.
namespace tarvello {

struct FigureRecord;

struct CardSource
{
    std::string Name;               // txtFigureName
    std::string Move;               // txtMove
    std::string Armor;              // cboArmorType's chosen entry
    std::string Cost;               // txtFinalCost
    std::string HitFactor;          // txtAdjustedHitFactor
    std::string Morale;             // txtBaseMorale
    std::string HitPoints;          // txtHitPoints
    std::string Command;            // txtInitiativeModifier
    std::string ImageFile;          // txtImageFile
    int FigureType = 0;             // cboFigureType's position
    int TrainingLevel = 0;          // cboTrainingLevel's position, -1 for none
    int OptionalRangeCost = 0;      // chkOptionalRangeCost
    int UseOptionalMovement = 0;    // chkUseOptionalMovement
    std::string FileName;           // the editor's figure file, empty if never saved
    // Selected rows: melee (Weapon, Max Damage, Notes) and missile (Weapon,
    // Max Damage, Attack Radius, Short, Long, Shots, Notes).
    std::vector<std::vector<std::string>> Melee;
    std::vector<std::vector<std::string>> Missile;
    int ExtraItems = 0;             // rows of lvwExtraItemsSelected
};

// Reads the editor's state: its record and its figure file name.
CardSource CardSourceFromEditor(const FigureRecord &record, const std::string &fileName);

} // namespace tarvello
