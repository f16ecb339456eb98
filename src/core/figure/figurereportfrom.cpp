#include "figurereport.h"

#include "figurerecord.h"

namespace tarvello {

namespace {

ShownChoice Shown(const Choice &choice)
{
    return {choice.Text(), choice.index};
}

} // namespace

FigureReportData FigureReportFrom(const FigureRecord &shown)
{
    FigureReportData d;
    d.txtFigureName = shown.txtFigureName;
    d.txtFinalCost = shown.txtFinalCost;
    d.cboFigureType = Shown(shown.cboFigureType);
    d.cboRace = shown.cboRace.Text();
    d.cboTrainingLevel = Shown(shown.cboTrainingLevel);
    d.cboCommandSkill = shown.cboCommandSkill.Text();
    d.cboArmorType = shown.cboArmorType.Text();
    d.txtBaseHitFactor = shown.txtBaseHitFactor;
    d.txtRaceHitFactorModifier = shown.txtRaceHitFactorModifier;
    d.txtAdjustHitFactor =
        shown.txtAdjustHitFactor == kLoneMinus ? std::string("0") : shown.txtAdjustHitFactor;
    d.txtAdjustedHitFactor = shown.txtAdjustedHitFactor;
    d.txtHitPoints = shown.txtHitPoints;
    d.txtBaseMorale = shown.txtBaseMorale;
    d.cboMove = shown.cboMove.Text();
    d.txtMove = shown.txtMove;
    d.lvwMeleeWeaponsSelected = shown.lvwMeleeWeaponsSelected;
    d.lvwMissileWeaponsSelected = shown.lvwMissileWeaponsSelected;
    d.lvwExtraItemsSelected = shown.lvwExtraItemsSelected;
    d.chkUseOptionalMovement = shown.chkUseOptionalMovement == 1;
    d.chkOptionalRangeCost = shown.chkOptionalRangeCost == 1;
    return d;
}

} // namespace tarvello
