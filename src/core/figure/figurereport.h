#pragma once

#include "figure/figurerecord.h"
#include "platform/failure.h"
#include "platform/trtext.h"

#include <string>
#include <vector>

// The one-figure report: printed through PrintTextAt and exported as
// tab-separated text, both from what the figure editor shows.
namespace tarvello {

class IPrinterPage;

// A choice list as shown: its text and its list position (-1: none chosen).
struct ShownChoice
{
    std::string text;
    int index = -1;
};

// The figure editor's controls as the report reads them, named after them.
// Nothing here is recomputed: these are the shown texts.
struct FigureReportData
{
    std::string txtFigureName;
    std::string txtFinalCost;
    ShownChoice cboFigureType;
    std::string cboRace;
    ShownChoice cboTrainingLevel;
    std::string cboCommandSkill;
    std::string cboArmorType;
    std::string txtBaseHitFactor;
    std::string txtRaceHitFactorModifier;
    std::string txtAdjustHitFactor;
    std::string txtAdjustedHitFactor;
    std::string txtHitPoints;
    std::string txtBaseMorale;
    std::string cboMove;
    std::string txtMove;
    // Rows in list order: melee (weapon, max damage, notes); missile (weapon,
    // max damage, attack radius, short, long, shots, notes); extra items
    // (item, cost, max damage, attack radius, short, long, notes). A missing
    // cell reads as empty.
    std::vector<ListRow> lvwMeleeWeaponsSelected;
    std::vector<ListRow> lvwMissileWeaponsSelected;
    std::vector<ListRow> lvwExtraItemsSelected;
    bool chkUseOptionalMovement = false;
    bool chkOptionalRangeCost = false;
};

struct FigureRecord;

// The editor's shown texts, choices, rows and ticks as the report reads them.
FigureReportData FigureReportFrom(const FigureRecord &shown);

// The sentence of a failed figure report print.
inline constexpr const char *kFigurePrintFailure = TV_TR("Core", "Error in printing Unit Card!");
// The sentence of a failed export and the notice of a successful one.
inline constexpr const char *kFigureExportFailure = TV_TR("Core", "Error in exporting figure data!");
inline constexpr const char *kFigureExportNotice =
    TV_TR("Core", "Figure data has been exported to the clipboard.");

// The shots cell of a missile row: the text when its leading number is above
// 0 and not 20 (the unlimited value), otherwise empty.
std::string ShownShots(const std::string &shots);

// An extra item's name as the report writes it: whole up to 20 characters;
// a longer one cut at its first space (the space dropped) or, without a
// space, after character 20. second is empty when the name is not cut.
struct WrappedName
{
    std::string first;
    std::string second;
    bool cut = false;
};
WrappedName WrapItemName(const std::string &name);

// Prints the report on printer and ends the document. A printer failure
// abandons the job (KillDoc) and is returned with kFigurePrintFailure.
Status PrintFigureReport(IPrinterPage &printer, const FigureReportData &data);

// The export text: lines joined by CR LF, none after the last.
std::string FigureExportText(const FigureReportData &data);

} // namespace tarvello
