#include "cardsource.h"

#include "figure/figurerecord.h"

namespace tarvello {

CardSource CardSourceFromEditor(const FigureRecord &record, const std::string &fileName)
{
    CardSource source;
    source.Name = record.txtFigureName;
    source.Move = record.txtMove;
    source.Armor = record.cboArmorType.Text();
    source.Cost = record.txtFinalCost;
    source.HitFactor = record.txtAdjustedHitFactor;
    source.Morale = record.txtBaseMorale;
    source.HitPoints = record.txtHitPoints;
    source.Command = record.txtInitiativeModifier;
    source.ImageFile = record.txtImageFile;
    source.FigureType = record.cboFigureType.index;
    source.TrainingLevel = record.cboTrainingLevel.index;
    source.OptionalRangeCost = record.chkOptionalRangeCost;
    source.UseOptionalMovement = record.chkUseOptionalMovement;
    source.FileName = fileName;
    source.Melee = record.lvwMeleeWeaponsSelected;
    source.Missile = record.lvwMissileWeaponsSelected;
    source.ExtraItems = int(record.lvwExtraItemsSelected.size());
    return source;
}

} // namespace tarvello
