#pragma once

#include "platform/trtext.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

// The patterns of the core's longer explanations (tool tips of the cost,
// refusals, notices), one line each. Their values may be marked texts or
// patterns themselves ("Armor Type %1, its column for %2" holds "Training
// Level %1"): the windows show those in their language as well. Like the
// patterns of platform/messagetexts.h, they are UTF-8 and filled by the core.
namespace tarvello::msg {

// The cost frame's tool tips (figure/costsources.cpp).
inline constexpr std::string_view kCannotCalculate = TV_TR("Core", "The cost cannot be calculated now: %1");
inline constexpr std::string_view kTrainingLevelOf = TV_TR("Core", "Training Level %1");
inline constexpr std::string_view kTargetingSystemOf = TV_TR("Core", "Targeting System %1");
inline constexpr std::string_view kDefenseRow =
    TV_TR("Core", "Defense Factor %1: row %2 of the defense factor table, chosen by the adjusted hit factor %3.");
inline constexpr std::string_view kArmorColumn = TV_TR("Core", "Armor Type %1, its column for %2");
inline constexpr std::string_view kArmorColumnNotNormal =
    TV_TR("Core", "Armor Type %1, its column for every type but Normal");
inline constexpr std::string_view kAdjustedHitFactor =
    TV_TR("Core", "Adjusted hit factor %1 = base hit factor %2 (%3)%4 (Race %5)%6 (Adjust Hit Factor).");
inline constexpr std::string_view kTableRows = TV_TR("Core", "The table has rows 1 to %1, so %2 is used.");
inline constexpr std::string_view kMeleeShare = TV_TR("Core", "%1: %2 (Max Damage %3)");
inline constexpr std::string_view kMissileShare = TV_TR("Core", "%1: %2 (Max Damage %3, Attack Radius %4)");
inline constexpr std::string_view kMissileShareShots =
    TV_TR("Core", "%1: %2 (Max Damage %3, Attack Radius %4, limited to %5 shots)");
inline constexpr std::string_view kAndMore = TV_TR("Core", "... and %1 more");
inline constexpr std::string_view kTotalWeaponMultiplier =
    TV_TR("Core", "Total Weapon Multiplier %1 = melee %2 + missile %3.");
inline constexpr std::string_view kShareTable =
    TV_TR("Core", "Each weapon's share comes from the %1 attack-roll table (%2), row = its Max Damage.");
inline constexpr std::string_view kMoveFromTable =
    TV_TR("Core", "Move Multiplier %1: the movement table's multiplier for Movement %2.");
inline constexpr std::string_view kMoveFromMove =
    TV_TR("Core", "Move Multiplier %1 = Move %2 × %3 + %4, as Movement Cost is checked (Movement %5).");
inline constexpr std::string_view kNoMagic =
    TV_TR("Core", "Magic Skill 0: only a BattleMage pays for magic; this figure is %1.");
inline constexpr std::string_view kMagicOfMage = TV_TR("Core", "Magic Skill %1: a BattleMage at %2 (%3).");
inline constexpr std::string_view kItemsSum = TV_TR("Core", "Extra Items %1 = %2, each item's Cost.");
inline constexpr std::string_view kCostSum = TV_TR("Core", "Cost %1 = (%2 × %3 × %4) × %5 + %6 + %7 + %8");
inline constexpr std::string_view kHitPointsField = TV_TR("Core", "Hit Points %1, as set in the Hit Points field.");
inline constexpr std::string_view kCommandSkillCost =
    TV_TR("Core", "Command Skill %1: the cost of %2 in the command skill table.");
inline constexpr std::string_view kFinalCostWhole = TV_TR("Core", "Final Cost %1: the Cost, already a whole number.");
inline constexpr std::string_view kFinalCostRounded =
    TV_TR("Core", "Final Cost %1: the Cost %2 rounded to a whole number, a half to the even neighbour.");

// The cost breakdown bar's tool tips (figure/costbreakdown.cpp).
inline constexpr std::string_view kWeaponPart =
    TV_TR("Core", "%1: %2 = Defense Factor %3 × Move Multiplier %4 × Hit Points %5 × its multiplier %6");
inline constexpr std::string_view kItemPart = TV_TR("Core", "%1: %2, the item's Cost");
inline constexpr std::string_view kCommandPart = TV_TR("Core", "Command Skill: %1 (%2)");
inline constexpr std::string_view kMagicPart = TV_TR("Core", "Magic Skill: %1 (a BattleMage at %2)");
inline constexpr std::string_view kRoundingPart =
    TV_TR("Core", "Rounding: %1, the Cost %2 rounded to the Final Cost %3");
inline constexpr std::string_view kBarFinalCost = TV_TR("Core", "Final Cost %1, in the parts the cost formula adds.");
inline constexpr std::string_view kBarDefense =
    TV_TR("Core", "Defense Factor %1 (Race %2, Armor Type %3, adjusted hit factor %4)");
inline constexpr std::string_view kBarMove = TV_TR("Core", "Move Multiplier %1 (Movement %2)");
inline constexpr std::string_view kBarHitPoints = TV_TR("Core", "Hit Points %1");
inline constexpr std::string_view kBarTraining =
    TV_TR("Core", "%1: the attack-roll table each weapon's multiplier comes from");

// The army's points bar's tool tips (army/armybar.cpp).
inline constexpr std::string_view kArmyTypePart = TV_TR("Core", "%1: %2 points in %3");
inline constexpr std::string_view kArmyRounding =
    TV_TR("Core", "Rounding: %1, as the total rounds to a whole number after every line");
inline constexpr std::string_view kArmyLeft = TV_TR("Core", "Left: %1 points to the limit");
inline constexpr std::string_view kArmyOver = TV_TR("Core", "Over: %1 points beyond the limit");
inline constexpr std::string_view kArmyTotal = TV_TR("Core", "Total %1 points by figure type");
inline constexpr std::string_view kArmyTotalLimit =
    TV_TR("Core", "Total %1 points by figure type, against the points limit %2 (marked)");

// The army's notices (army/armydocument.cpp).
inline constexpr std::string_view kNegativeLine =
    TV_TR("Core", "The army has negative counts, unit sizes or costs in line %1. They are counted as "
                  "they are, so the total is lower than the other lines cost.");
inline constexpr std::string_view kNegativeLines =
    TV_TR("Core", "The army has negative counts, unit sizes or costs in lines %1. They are counted as "
                  "they are, so the total is lower than the other lines cost.");
inline constexpr std::string_view kNegativeLinesMore =
    TV_TR("Core", "The army has negative counts, unit sizes or costs in lines %1 and %2 more. They are "
                  "counted as they are, so the total is lower than the other lines cost.");
inline constexpr std::string_view kUnreadableLimit =
    TV_TR("Core", "The points limit of this army file cannot be read (\"%1\"): the army is shown without a "
                  "limit. The file keeps its field as it is unless you set a limit, a whole number from 0 "
                  "to 999,999,999.");
inline constexpr std::string_view kUnitLine = TV_TR("Core", "Unit line %1 (%2)");

// Why a unit card cannot be made (card/cardbuild.cpp).
inline constexpr std::string_view kFieldNotNumber = TV_TR("Core", "The field %1 holds \"%2\", which is not a number.");
inline constexpr std::string_view kFieldTooLarge = TV_TR("Core", "The field %1 holds \"%2\", which is too large.");
inline constexpr std::string_view kWeaponTooLarge = TV_TR("Core", "The weapon %1 has a %2 of %3, which is too large.");
inline constexpr std::string_view kNoRollRow =
    TV_TR("Core", "The weapon %1 has a maximum damage of %2, for which the %3 attack roll table has no row.");

// A chosen picture (figure/picturechoice.cpp).
inline constexpr std::string_view kScalePicture =
    TV_TR("Core", "This picture is %1 × %2 pixels; printed on a card it needs at most %3 × %4. Scale it "
                  "down? (Yes keeps the figure file small)");
inline constexpr std::string_view kFileEndsAfter = TV_TR("Core", "The file ends after %1 of the %2 bytes its picture needs.");
inline constexpr std::string_view kPictureUnreadable = TV_TR("Core", "The picture %1 cannot be read!");

// Card sheets (card/cardsheet.cpp, card/cardsheetjob.cpp).
inline constexpr std::string_view kSheetJobLimit =
    TV_TR("Core", "%1 are more than one print job makes: at most %2 pages (%3 cards) are printed at a "
                  "time. Print the army in parts, or one card per line.");
inline constexpr std::string_view kOneCardPrinted = TV_TR("Core", "%1 card printed");
inline constexpr std::string_view kCardsPrinted = TV_TR("Core", "%1 cards printed");
inline constexpr std::string_view kOneCardPreviewed = TV_TR("Core", "%1 card previewed");
inline constexpr std::string_view kCardsPreviewed = TV_TR("Core", "%1 cards previewed");
inline constexpr std::string_view kSkippedLines = TV_TR("Core", "%1, %2 skipped: %3");
inline constexpr std::string_view kOneWithoutPicture = TV_TR("Core", "%1, %2 without its picture: %3");
inline constexpr std::string_view kWithoutPictures = TV_TR("Core", "%1, %2 without their picture: %3");

// Where a rules table's row failed (rules/modloaddata.cpp).
inline constexpr std::string_view kFieldPlace = TV_TR("Core", "Line %1, %2: %3");
inline constexpr std::string_view kShortLine = TV_TR("Core", "Line %1, %2 fields of %3 (no %4)");

// A figure file's picture, a style file, a file not opened, the program's
// folder (figure/figurefile.cpp, card/cardstyle.cpp, platform/notopenedtext.cpp,
// shell/programfolder.cpp, army/armyfile.cpp).
inline constexpr std::string_view kSideNotNumber = TV_TR("Core", "Its %1 \"%2\" is not a number.");
inline constexpr std::string_view kSideBelowZero = TV_TR("Core", "Its %1 %2 is below 0.");
inline constexpr std::string_view kPictureTooLarge =
    TV_TR("Core", "It is %1 × %2 pixels, more than a figure file holds (4096 × 4096).");
inline constexpr std::string_view kFontMissing =
    TV_TR("Core", "The font specified (%1) in the style does not exist on this computer.%2 has been "
                  "selected instead.");
inline constexpr std::string_view kUndrawableSizes =
    TV_TR("Core", "The style holds font sizes that cannot be drawn: %1. The card draws those texts at "
                  "their default size; the style keeps the sizes as written.");
inline constexpr std::string_view kNoStyle =
    TV_TR("Core", "The file %1 holds no card style (no [Style] section). The card's fonts are set to "
                  "the defaults.");
inline constexpr std::string_view kNotOpened =
    TV_TR("Core", "%1 cannot be opened: Tarvello opens figure files (%2) and army files (%3).");
inline constexpr std::string_view kNotOpenedPacks =
    TV_TR("Core", "%1 cannot be opened: Tarvello opens figure files (%2), army files (%3) and army "
                  "packs (%4).");
inline constexpr std::string_view kFileNotFolder = TV_TR("Core", "%1 is a file, not a folder.");
inline constexpr std::string_view kGoesOnWith = TV_TR("Core", "Tarvello goes on with the files of %1.");
inline constexpr std::string_view kTablesReplaced =
    TV_TR("Core", "The rules tables %1 in %2 were empty (a copy cut short) and have been replaced by "
                  "the tables shipped with Tarvello.");
inline constexpr std::string_view kLineOfFile = TV_TR("Core", "Line %1 of the file");

// Parts of a list a value of the patterns above may hold.
inline constexpr std::string_view kLineAndReason = TV_TR("Core", "%1 (%2)");
inline constexpr std::string_view kListOfLines = TV_TR("Core", "%1; %2");
inline constexpr std::string_view kOneLine = TV_TR("Core", "%1 line");
inline constexpr std::string_view kLines = TV_TR("Core", "%1 lines");
// The magic skill's cost at each rank, and a sum of items cut short.
inline constexpr std::string_view kMageScale = TV_TR("Core", "%1 %2, %3 %4, %5 %6");
inline constexpr std::string_view kItemsAndMore = TV_TR("Core", "%1 + %2 more");

// A pattern, and the numbers of its values that are texts of the core
// themselves ("2": %2 is "Training Level %1"), shown in the windows' language
// too; the other values (names, numbers, paths) are shown as they are.
struct ExplainText
{
    std::string_view text;
    std::string_view texts;
};

// Every pattern above but the parts of lists, for the windows.
inline constexpr auto kExplainTexts = std::to_array<ExplainText>({
    {kCannotCalculate, "1"}, {kTrainingLevelOf, "1"}, {kTargetingSystemOf, "1"}, {kDefenseRow, ""},
    {kArmorColumn, "2"}, {kArmorColumnNotNormal, ""}, {kAdjustedHitFactor, "3"}, {kTableRows, ""},
    {kMeleeShare, ""}, {kMissileShare, ""}, {kMissileShareShots, ""}, {kAndMore, ""},
    {kTotalWeaponMultiplier, ""}, {kShareTable, "2"}, {kMoveFromTable, ""}, {kMoveFromMove, ""},
    {kNoMagic, "1"}, {kMagicOfMage, "23"}, {kItemsSum, "2"}, {kCostSum, ""}, {kHitPointsField, ""},
    {kCommandSkillCost, ""}, {kFinalCostWhole, ""}, {kFinalCostRounded, ""}, {kWeaponPart, ""},
    {kItemPart, ""}, {kCommandPart, ""}, {kMagicPart, "2"}, {kRoundingPart, ""},
    {kBarFinalCost, ""}, {kBarDefense, ""}, {kBarMove, ""}, {kBarHitPoints, ""}, {kBarTraining, "1"},
    {kArmyTypePart, "13"}, {kArmyRounding, ""}, {kArmyLeft, ""}, {kArmyOver, ""}, {kArmyTotal, ""},
    {kArmyTotalLimit, ""}, {kNegativeLine, ""}, {kNegativeLines, ""},
    {kNegativeLinesMore, ""}, {kUnreadableLimit, ""},
    {kUnitLine, ""}, {kFieldNotNumber, "1"}, {kFieldTooLarge, "1"}, {kWeaponTooLarge, "2"},
    {kNoRollRow, ""}, {kScalePicture, ""}, {kFileEndsAfter, ""}, {kPictureUnreadable, ""},
    {kSheetJobLimit, "1"}, {kOneCardPrinted, ""}, {kCardsPrinted, ""}, {kOneCardPreviewed, ""},
    {kCardsPreviewed, ""}, {kSkippedLines, "13"}, {kOneWithoutPicture, "13"},
    {kWithoutPictures, "13"}, {kFieldPlace, ""}, {kShortLine, ""}, {kSideNotNumber, ""},
    {kSideBelowZero, ""}, {kPictureTooLarge, ""}, {kFontMissing, ""}, {kUndrawableSizes, ""},
    {kNoStyle, ""}, {kNotOpened, ""}, {kNotOpenedPacks, ""}, {kFileNotFolder, ""}, {kGoesOnWith, ""},
    {kTablesReplaced, ""}, {kLineOfFile, ""},
});

// The parts of lists and sums: matched only against a value of a pattern.
inline constexpr auto kListTexts = std::to_array<ExplainText>({
    {kLineAndReason, "2"}, {kListOfLines, "12"}, {kOneLine, ""}, {kLines, ""},
    {kMageScale, "135"}, {kItemsAndMore, ""},
});

// pattern (UTF-8, "×") in Windows-1252, filled with args (Windows-1252): a
// text the windows show as a file's text is.
std::string FillFileText(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace tarvello::msg
