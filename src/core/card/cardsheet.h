#pragma once

#include "carddraw.h"
#include "cardlayout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Card sheets: unit cards at their real size, as many to a page as fit,
// centred on the paper, with cut marks in the margin around them.
namespace tarvello {

// The gap between neighbouring cards: 2 mm, room for the cutter's blade.
inline constexpr int kCardSheetGap = 113;
// A cut mark starts 1 mm away from the cards and runs 5 mm outward (less
// when the printable area ends sooner).
inline constexpr int kCutMarkOffset = 57;
inline constexpr int kCutMarkLength = 283;

// The paper and its printable area within it, in twips; the printable
// area's top-left corner is where a printer page draws (0, 0).
struct SheetArea
{
    int paperWidth = 0;
    int paperHeight = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A straight cut mark, in twips of the printable area.
struct CutMark
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Where the cards of one page lie (row by row, left to right) and the cut
// marks of the page, in twips of the printable area.
struct CardSheetLayout
{
    int columns = 0;
    int rows = 0;
    std::vector<CardRect> places;
    std::vector<CutMark> marks;

    int PerPage() const { return columns * rows; }
};

// Places cards of CardGeometry's size in as many columns and rows as fit
// into the printable area with gap twips between them, the block centred on
// the paper (moved into the printable area where the margins are uneven).
// Every card edge gets a cut mark at each end of the block, in the margin
// outside the block, so no mark crosses a card. No card fits: 0 places.
CardSheetLayout LayoutCardSheet(const SheetArea &area, int gap = kCardSheetGap);

// The pages cards need at perPage cards a page (0 when nothing fits).
std::int64_t SheetPageCount(std::int64_t cards, int perPage);

// "12 cards on 2 pages", "1 card on 1 page"; "The card does not fit on this
// paper." when perPage is 0.
std::string SheetCountText(std::int64_t cards, int perPage);

// The most pages one card sheet job prints.
inline constexpr std::int64_t kMaxSheetPages = 1000;

// Empty when cards at perPage a page fit into kMaxSheetPages; otherwise the
// notice that refuses the job.
std::string SheetJobLimitNotice(std::int64_t cards, int perPage);

// What a sheet printer draws on: the current page as a card target, the
// figure picture of the card about to be drawn, and the next page.
class ICardSheetPrinter
{
public:
    virtual ~ICardSheetPrinter() = default;

    // The page, in twips from the top-left corner of its printable area.
    virtual ICardTarget &Page() = 0;
    // The figure picture that the next card draws is that of card index.
    virtual void UseCardPicture(std::size_t card) = 0;
    // Ends the page and starts the next one.
    virtual void NewPage() = 0;
    // Draws only inside rect from now on; nullptr draws everywhere again.
    virtual void ClipTo(const CardRect *rect) = 0;
};

// Drawing of a card may reach this far beyond its edges (half a millimetre,
// for its frame's lines); anything further out (a picture laid out beyond
// the card) is cut off so that it never runs into the neighbouring card.
inline constexpr int kCardClipMargin = 28;

// Prints order.size() cards: order[i] indexes scenes; each page gets its
// cut marks (lines one pixel wide), then its cards, each drawn by DrawCard
// as on a fresh printer page, moved to its place and clipped to it (with
// kCardClipMargin). Nothing is printed when the layout has no place.
void PrintCardSheets(ICardSheetPrinter &printer, const CardSheetLayout &layout,
                     const std::vector<CardScene> &scenes, const std::vector<std::size_t> &order);

} // namespace tarvello
