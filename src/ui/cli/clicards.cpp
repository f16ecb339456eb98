// --cards and --card-images: the cards of figures and armies, as File,
// Print Cards prints them and its "Save as Images..." saves them.

#include "clidocuments.h"
#include "clipdf.h"

#include "card/cardimages.h"
#include "card/cardsheetprint.h"
#include "card/qtcardtarget.h"
#include "platform/fileio.h"
#include "platform/uitext.h"

#include <QPrinter>

namespace tarvello {

namespace {

// The cards of the run's files for the Print Cards choices it was given,
// and the rosters of its armies when asked.
struct CliCards
{
    CardSheetJob job;
    std::vector<ArmyRoster> rosters;
    QString name;
};

void addFigure(CliRun &run, const std::string &path, CliCards &cards)
{
    Result<SheetCard> card = LoadSheetCard(path, run.tables, FontExists, cardDefaultFont());
    if (!card) {
        run.fail({LoadingSentence(path), card.failure().description, card.failure().kind});
        return;
    }
    if (cards.name.isEmpty())
        cards.name = fromFileText(card.value().card.figure().Name);
    appendCardSheetJob(cards.job, copiesJob(std::move(card).value(), run.request.copies));
}

void addArmy(CliRun &run, const std::string &path, CliCards &cards)
{
    const std::unique_ptr<ArmyModel> army = openCliArmy(run, path);
    if (!army)
        return;
    if (cards.name.isEmpty())
        cards.name = fromFileText(army->ArmyName());
    const CardSheetRequest request = armyCardSheetRequest(*army, run.tables);
    IDialogs::CardSheetChoice choice;
    choice.perUnit = run.request.perUnit;
    choice.perFigure = run.request.perFigure;
    choice.roster = run.request.roster;
    appendCardSheetJob(cards.job, request.build(choice));
    if (choice.roster && request.roster) {
        // The points bar is the Print Cards dialog's choice, off unless asked.
        cards.rosters.push_back(*request.roster);
        cards.rosters.back().bar.reset();
    }
}

CliCards cardsOf(CliRun &run)
{
    CliCards cards;
    for (const std::string &path : run.request.operands) {
        const DocumentKind kind = cliDocumentKind(run, path);
        if (kind == DocumentKind::Figure)
            addFigure(run, path, cards);
        else if (kind == DocumentKind::Army)
            addArmy(run, path, cards);
    }
    return cards;
}

// Draws the card sheets as the Print Cards dialog's Print does, after its
// checks of the number of cards and the paper.
bool drawSheets(CliRun &run, QPrinter &printer, const CliCards &cards)
{
    const int perPage = LayoutCardSheet(sheetAreaOf(printer)).PerPage();
    const std::int64_t count = std::int64_t(cards.job.order.size());
    std::string refused = SheetJobLimitNotice(count, perPage);
    if (refused.empty() && count > 0 && perPage == 0)
        refused = SheetCountText(0, 0);
    if (refused.empty() && count == 0 && cards.rosters.empty())
        refused = SheetCountText(0, perPage);
    if (!refused.empty()) {
        run.fail({SavingSentence(run.request.output), refused});
        return false;
    }
    if (!renderCardSheets(printer, cards.job, cards.rosters)) {
        run.fail({SavingSentence(run.request.output), "The printout could not be finished."});
        return false;
    }
    return true;
}

} // namespace

void runCardsPdf(CliRun &run)
{
    const CliCards cards = cardsOf(run);
    printPdf(run, cards.name, [&](QPrinter &printer) { return drawSheets(run, printer, cards); });
    const std::string message = SheetPrintedMessage(int(cards.job.order.size()), cards.job.skipped,
                                                    false, cards.job.withoutPicture);
    if (!message.empty())
        run.note(message);
    if (!cards.job.skipped.empty())
        run.status = kExitFindings;
}

void runCardImages(CliRun &run)
{
    const CliCards cards = cardsOf(run);
    for (const SkippedLine &line : cards.job.skipped)
        run.fail({line.figure, line.reason});
    for (const SkippedLine &line : cards.job.withoutPicture)
        run.note(MessageLine({line.figure, line.reason}));
    if (cards.job.cards.empty())
        return;
    const CardImagesWritten written = writeCardImages(
        cards.job, fromFilePath(run.request.output), run.request.dpi, run.request.deck);
    for (const Failure &failure : written.failures)
        run.fail(failure);
    for (const QString &file : written.files)
        writeOut(toFilePath(file) + "\n");
}

} // namespace tarvello
