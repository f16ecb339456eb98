#pragma once

#include "cardsheet.h"
#include "cardstyle.h"
#include "unitcardmodel.h"

#include "army/armyunit.h"
#include "figure/picture.h"
#include "platform/failure.h"

#include <cstddef>
#include <string>
#include <vector>

// What a card sheet prints: the cards of an army's figure files (or of one
// figure) and the lines that could not give a card.
namespace tarvello {

struct RulesTables;

// The most copies one line or one figure prints.
inline constexpr int kMaxSheetCopies = 999;

// One card as its card window would show it for the figure's saved layout
// and style, and the figure's picture.
struct SheetCard
{
    UnitCardModel card;
    Picture picture;
    // Why the figure's stored picture could not be read (the card is then
    // printed without it); empty otherwise.
    std::string pictureProblem = {};
};

// An army line that gave no card: the figure's name and why.
struct SkippedLine
{
    std::string figure;
    std::string reason;
};

// The distinct cards, the order in which copies of them are printed
// (indexes into cards), the skipped lines and the figures whose cards are
// printed without their picture (once each, with the picture's problem).
struct CardSheetJob
{
    std::vector<SheetCard> cards;
    std::vector<std::size_t> order;
    std::vector<SkippedLine> skipped;
    std::vector<SkippedLine> withoutPicture;

    // The scenes of the cards, for PrintCardSheets.
    std::vector<CardScene> Scenes(int creditWidth, int creditHeight) const;
};

// The cards of an army line: 1, or with perUnit its count of units (its
// leading number rounded, 0 ... kMaxSheetCopies).
int LineCopies(const ArmyUnit &unit, bool perUnit);
// The cards of all lines, counted in 64 bits (millions of lines of 999
// units each do not overflow).
std::int64_t ArmySheetCards(const std::vector<ArmyUnit> &units, bool perUnit);

// The card of a figure file: opened as the figure editor opens it, its card
// built as the card button builds it, with the layout and style saved in the
// file. Fails (description only) with "file not found", the reading failure,
// or the card's own failure.
Result<SheetCard> LoadSheetCard(const std::string &path, const RulesTables &tables,
                                const FontExistsFn &fontExists, const std::string &defaultFont);

// The cards of the army's lines: each line's figure file is the first ".tvf"
// file of folder (in name order) whose figure name, as the army's scan lists
// it and its lines keep it (UnitFigureName), is the line's; each file
// is read once however many lines use it. A line without a file or whose
// file gives no card is skipped with its reason.
CardSheetJob BuildArmySheetJob(const std::vector<ArmyUnit> &units, bool perUnit,
                               const std::string &folder, const RulesTables &tables,
                               const FontExistsFn &fontExists, const std::string &defaultFont);

// "3 cards printed, 1 skipped: Orc Archer (file not found)"; several skipped
// lines are joined by "; ". Figures printed without their picture follow as
// ", 1 without its picture: Ogre (why)". A preview says "previewed"
// instead. Empty when nothing was skipped or printed without its picture.
std::string SheetPrintedMessage(int printed, const std::vector<SkippedLine> &skipped,
                                bool preview = false,
                                const std::vector<SkippedLine> &withoutPicture = {});

} // namespace tarvello
