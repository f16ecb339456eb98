#pragma once

#include "platform/appcontext.h"
#include "platform/idialogs.h"

#include "card/armysheet.h"
#include "card/cardsheet.h"
#include "card/cardsheetjob.h"

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace tarvello {

// The paper and printable area of printer, in twips.
SheetArea sheetAreaOf(const QPrinter &printer);

// Draws the roster's pages, when given, then the job's cards onto printer, as
// many to a page as its paper holds, with cut marks; false when the printer
// could not be started or the printout not finished.
bool renderCardSheets(QPrinter &printer, const CardSheetJob &job,
                      const ArmyRoster *roster = nullptr);
// The same with the pages of several rosters, one after another.
bool renderCardSheets(QPrinter &printer, const CardSheetJob &job,
                      const std::vector<ArmyRoster> &rosters);

// What "Print Cards" offers: an army's lines and units, or one figure's card.
struct CardSheetRequest
{
    bool forArmy = false;
    std::int64_t lineCards = 0;
    std::int64_t unitCards = 0;
    std::int64_t figureCards = 0;
    // The army's roster, offered to print before the cards.
    std::optional<ArmyRoster> roster;
    // The cards to print for the choice made in the dialog.
    std::function<CardSheetJob(const IDialogs::CardSheetChoice &)> build;
};

class ArmyModel;
struct RulesTables;

// What "Print Cards" offers for an army: its lines' cards, each from its
// figure file in the army's figure directory, and its roster.
CardSheetRequest armyCardSheetRequest(const ArmyModel &army, const RulesTables &tables);

// The cards of several requests' choices as one job: cards, order, skipped
// lines and figures without their picture one after another.
void appendCardSheetJob(CardSheetJob &job, CardSheetJob more);

// "Print Cards": asks the card sheet dialog, builds the cards, then either
// previews them or, after the printer-setup dialog, prints them on the
// current printer; lines that gave no card are named in one message after.
void runCardSheet(AppContext &context, QWidget *parent, const CardSheetRequest &request);

// A job of copies of one card.
CardSheetJob copiesJob(SheetCard card, int copies);

// The font a card falls back on: the one the card window uses.
std::string cardDefaultFont();

} // namespace tarvello
