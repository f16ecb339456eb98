#pragma once

#include "platform/trtext.h"

#include <array>
#include <string_view>

// The patterns of the core's messages that carry a value (a path, a name):
// the core fills them (FillText), and the windows, which see only the filled
// line, find its pattern here to show it in their language.
namespace tarvello::msg {

inline constexpr std::string_view kErrorLoading = TV_TR("Core", "Error in loading %1 !");
inline constexpr std::string_view kErrorSaving = TV_TR("Core", "Error in saving %1 !");
inline constexpr std::string_view kErrorSavingStyle = TV_TR("Core", "Error in saving style %1 !");
inline constexpr std::string_view kErrorLoadingStyle = TV_TR("Core", "Error in loading style %1 !");
inline constexpr std::string_view kErrorSavingArmy = TV_TR("Core", "Error in saving army %1");
inline constexpr std::string_view kErrorPreparing = TV_TR("Core", "Error in preparing %1 !");
inline constexpr std::string_view kMissingItem =
    TV_TR("Core", "The item %1 does not exist in current resourcefiles!");
inline constexpr std::string_view kUnreadablePicture =
    TV_TR("Core", "The picture of %1 cannot be read; the figure opens without it, and saving "
                  "keeps the stored picture until another one is chosen.");
inline constexpr std::string_view kErrorsInTable = TV_TR("Core", "Errors in table %1");
inline constexpr std::string_view kErrorSavingTable = TV_TR("Core", "Error in savin resource file %1");
inline constexpr std::string_view kStaleCost =
    TV_TR("Core", "Stored cost %1, now %2 after table changes");
inline constexpr std::string_view kUnusableSettings =
    TV_TR("Core", "The settings file %1 is not an ordinary file, so it is not opened. Tarvello "
                  "starts with its default settings and keeps changes to them only until it ends.");

// The names of undo steps that name a row ("Undo Remove Dagger").
inline constexpr std::string_view kStepChoose = TV_TR("Core", "Choose %1");
inline constexpr std::string_view kStepAdd = TV_TR("Core", "Add %1");
inline constexpr std::string_view kStepRemove = TV_TR("Core", "Remove %1");
inline constexpr std::string_view kStepSetShots = TV_TR("Core", "Set Shots of %1");
inline constexpr std::string_view kStepChangeCount = TV_TR("Core", "Change Count of %1");
inline constexpr std::string_view kStepChangeSize = TV_TR("Core", "Change Size of %1");

// How many cards a card sheet job makes.
inline constexpr std::string_view kCardOnPage = TV_TR("Core", "%1 card on %2 page");
inline constexpr std::string_view kCardOnPages = TV_TR("Core", "%1 card on %2 pages");
inline constexpr std::string_view kCardsOnPage = TV_TR("Core", "%1 cards on %2 page");
inline constexpr std::string_view kCardsOnPages = TV_TR("Core", "%1 cards on %2 pages");

// The captions of the document windows.
inline constexpr std::string_view kFigureCaption = TV_TR("Core", "Figure: %1");
inline constexpr std::string_view kArmyCaption = TV_TR("Core", "Army: %1");
inline constexpr std::string_view kCardCaption = TV_TR("Core", "Unit Card: %1");

// Why a line of an imported army list names no figure.
inline constexpr std::string_view kSeveralFigures = TV_TR("Core", "%1 figures of this name");

// The army's total with its figures' costs now, beside its total.
inline constexpr std::string_view kTotalNowOver = TV_TR("Core", "%1 with current costs (%2 over)");
inline constexpr std::string_view kTotalNowUnder = TV_TR("Core", "%1 with current costs (%2 under)");
inline constexpr std::string_view kTotalNowSame = TV_TR("Core", "%1 with current costs (the same)");

// Every pattern above, for the windows.
inline constexpr std::array<std::string_view, 29> kFilledTexts{
    kErrorLoading, kErrorSaving, kErrorSavingStyle, kErrorLoadingStyle, kErrorSavingArmy,
    kErrorPreparing, kErrorsInTable, kErrorSavingTable, kMissingItem, kUnreadablePicture, kStaleCost, kUnusableSettings, kStepChoose, kStepAdd,
    kStepRemove, kStepSetShots, kStepChangeCount, kStepChangeSize, kFigureCaption, kArmyCaption,
    kCardCaption, kCardOnPage, kCardOnPages, kCardsOnPage, kCardsOnPages, kSeveralFigures,
    kTotalNowOver, kTotalNowUnder, kTotalNowSame,
};

} // namespace tarvello::msg
