#pragma once

#include "cardsheet.h"
#include "cardsheetjob.h"

#include "army/armyunit.h"
#include "figure/pointsbar.h"

#include <optional>

#include <string>
#include <vector>

// What Print Cards adds for an army: roster pages before the cards, and one
// card per figure file.
namespace tarvello {

// One line of the roster: count, unit size, figure, type and points.
struct RosterLine
{
    std::string count;
    std::string size;
    std::string figure;
    std::string type;
    std::string points;
};

// The roster of an army: its name, its total as shown, its points limit
// (empty: none) and its lines in army order; with a bar, its first page
// shows the army's points by figure type under the heading.
struct ArmyRoster
{
    std::string name;
    std::string total;
    std::string limit;
    std::vector<RosterLine> lines;
    std::optional<PointsBar> bar = std::nullopt;
};

// The roster of the unit lines, each line's points as the army editor shows
// them (count x unit size x figure cost, in the locale of decimalMark).
ArmyRoster RosterOf(std::string name, std::string total, std::string limit,
                    const std::vector<ArmyUnit> &units, char decimalMark);

// The roster pages a printable area of height twips needs (at least 1).
int RosterPageCount(const ArmyRoster &roster, int height);

// Prints the roster on printer's pages, one after the other: a heading with
// the army name, total, limit and page number, the column titles, as many
// lines as the page holds and, after the last line, the total. Texts too
// wide for their column are shortened with "...". The last roster page stays
// the current page: the caller starts the next one.
void PrintRosterPages(ICardSheetPrinter &printer, const SheetArea &area, const ArmyRoster &roster,
                      const std::string &fontName);

// One card per figure: every card of the job is printed once, at its first
// place in the order. The job holds one card per figure file, so lines whose
// figure is the same file share one card.
void KeepOneCardPerFigure(CardSheetJob &job);

// The cards one per figure gives, as far as the lines tell: one for each
// figure name of a line that prints (for the dialog's count, before the files
// are looked up).
int ArmyFigureCards(const std::vector<ArmyUnit> &units);

} // namespace tarvello
