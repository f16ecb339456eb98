#pragma once

// The figure file's section names and the keys that readers other than the
// figure editor look up (the army's figure scan, the cost check, card sheets).
namespace tarvello::figurekeys {

// The single fields of a figure.
inline constexpr const char *kFigureSection = "Figure";
// The picture's size and its pixels.
inline constexpr const char *kImagePropertiesSection = "ImageProperties";
inline constexpr const char *kImagePixelsSection = "ImagePixels";
inline constexpr const char *kImageWidth = "Width";
inline constexpr const char *kImageHeight = "Height";

inline constexpr const char *kFigureName = "txtFigureName";
inline constexpr const char *kFinalCost = "txtFinalCost";
inline constexpr const char *kRace = "cboRace";
inline constexpr const char *kFigureType = "cboFigureType";
inline constexpr const char *kTrainingLevel = "cboTrainingLevel";
inline constexpr const char *kAdjustedHitFactor = "txtAdjustedHitFactor";
inline constexpr const char *kHitPoints = "txtHitPoints";
inline constexpr const char *kBaseMorale = "txtBaseMorale";
inline constexpr const char *kMove = "txtMove";
inline constexpr const char *kCommandSkill = "cboCommandSkill";
inline constexpr const char *kArmorType = "cboArmorType";

} // namespace tarvello::figurekeys
