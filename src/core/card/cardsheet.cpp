#include "cardsheet.h"

#include "platform/explaintexts.h"
#include "platform/messagetexts.h"

#include <algorithm>

namespace tarvello {

namespace {

// The card target of a sheet page moved to one card's slot. The page is
// white already, so clearing it does nothing.
class OffsetCardTarget : public ICardTarget
{
public:
    OffsetCardTarget(ICardTarget &page, double dx, double dy) : m_page(page), m_dx(dx), m_dy(dy) {}

    bool IsPrinter() const override { return m_page.IsPrinter(); }
    double PixelTwips() const override { return m_page.PixelTwips(); }
    void Clear() override {}
    void SetFont(const std::string &name, int size, bool bold, bool italic) override
    {
        m_page.SetFont(name, size, bold, italic);
    }
    double TextWidth(std::string_view text) override { return m_page.TextWidth(text); }
    double TextHeight(std::string_view text) override { return m_page.TextHeight(text); }
    void SetCursor(double x, double y) override { m_page.SetCursor(x + m_dx, y + m_dy); }
    void Print(std::string_view text) override { m_page.Print(text); }
    void SetLineWidth(int pixels) override { m_page.SetLineWidth(pixels); }
    void Line(double x1, double y1, double x2, double y2) override
    {
        m_page.Line(x1 + m_dx, y1 + m_dy, x2 + m_dx, y2 + m_dy);
    }
    void Box(double x1, double y1, double x2, double y2) override
    {
        m_page.Box(x1 + m_dx, y1 + m_dy, x2 + m_dx, y2 + m_dy);
    }
    void DrawPicture(CardPicture picture, double x, double y, double width,
                     double height) override
    {
        m_page.DrawPicture(picture, x + m_dx, y + m_dy, width, height);
    }

private:
    ICardTarget &m_page;
    double m_dx;
    double m_dy;
};

// How many cards of size fit into extent with gap between them.
int Fitting(int extent, int size, int gap)
{
    if (extent < size)
        return 0;
    return (extent + gap) / (size + gap);
}

// The block's start: centred on the paper, kept inside the printable area.
int BlockStart(int paper, int margin, int printable, int block)
{
    const int centred = (paper - block) / 2 - margin;
    return std::clamp(centred, 0, std::max(0, printable - block));
}

// The cut marks of one card edge at position at (x for vertical edges): one
// before the block's start and one after its end, each only where the
// printable area leaves room for it.
void AddEdgeMarks(std::vector<CutMark> &marks, bool vertical, int at, int start, int end,
                  int limit)
{
    const int before = std::min(kCutMarkLength, start - kCutMarkOffset);
    const int after = std::min(kCutMarkLength, limit - end - kCutMarkOffset);
    const int from = start - kCutMarkOffset;
    const int to = end + kCutMarkOffset;
    if (before > 0) {
        marks.push_back(vertical ? CutMark{at, from - before, at, from}
                                 : CutMark{from - before, at, from, at});
    }
    if (after > 0) {
        marks.push_back(vertical ? CutMark{at, to, at, to + after}
                                 : CutMark{to, at, to + after, at});
    }
}

} // namespace

CardSheetLayout LayoutCardSheet(const SheetArea &area, int gap)
{
    constexpr int w = CardGeometry::kWidth;
    constexpr int h = CardGeometry::kHeight;
    CardSheetLayout layout;
    gap = std::max(0, gap);
    layout.columns = Fitting(area.width, w, gap);
    layout.rows = Fitting(area.height, h, gap);
    if (layout.columns == 0 || layout.rows == 0) {
        layout.columns = layout.rows = 0;
        return layout;
    }
    const int blockWidth = layout.columns * w + (layout.columns - 1) * gap;
    const int blockHeight = layout.rows * h + (layout.rows - 1) * gap;
    const int left = BlockStart(area.paperWidth, area.left, area.width, blockWidth);
    const int top = BlockStart(area.paperHeight, area.top, area.height, blockHeight);
    for (int row = 0; row < layout.rows; ++row) {
        for (int column = 0; column < layout.columns; ++column)
            layout.places.push_back({left + column * (w + gap), top + row * (h + gap), w, h});
    }
    for (int column = 0; column < layout.columns; ++column) {
        for (const int x : {left + column * (w + gap), left + column * (w + gap) + w})
            AddEdgeMarks(layout.marks, true, x, top, top + blockHeight, area.height);
    }
    for (int row = 0; row < layout.rows; ++row) {
        for (const int y : {top + row * (h + gap), top + row * (h + gap) + h})
            AddEdgeMarks(layout.marks, false, y, left, left + blockWidth, area.width);
    }
    return layout;
}

std::int64_t SheetPageCount(std::int64_t cards, int perPage)
{
    if (perPage <= 0 || cards <= 0)
        return 0;
    return (cards + perPage - 1) / perPage;
}

std::string SheetCountText(std::int64_t cards, int perPage)
{
    if (perPage <= 0)
        return TV_TR("Core", "The card does not fit on this paper.");
    const std::int64_t pages = SheetPageCount(cards, perPage);
    const std::string_view pattern = cards == 1 ? (pages == 1 ? msg::kCardOnPage : msg::kCardOnPages)
                                                : (pages == 1 ? msg::kCardsOnPage : msg::kCardsOnPages);
    return FillText(pattern, {std::to_string(cards), std::to_string(pages)});
}

std::string SheetJobLimitNotice(std::int64_t cards, int perPage)
{
    if (SheetPageCount(cards, perPage) <= kMaxSheetPages)
        return {};
    return FillText(msg::kSheetJobLimit, {SheetCountText(cards, perPage), std::to_string(kMaxSheetPages),
                                          std::to_string(kMaxSheetPages * perPage)});
}

void PrintCardSheets(ICardSheetPrinter &printer, const CardSheetLayout &layout,
                     const std::vector<CardScene> &scenes, const std::vector<std::size_t> &order)
{
    const std::size_t perPage = layout.places.size();
    if (perPage == 0)
        return;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t slot = i % perPage;
        if (slot == 0) {
            if (i > 0)
                printer.NewPage();
            printer.ClipTo(nullptr);
            ICardTarget &fresh = printer.Page();
            fresh.SetLineWidth(1);
            for (const CutMark &mark : layout.marks)
                fresh.Line(mark.x1, mark.y1, mark.x2, mark.y2);
        }
        printer.UseCardPicture(order[i]);
        const CardRect &place = layout.places[slot];
        const CardRect clip{place.Left - kCardClipMargin, place.Top - kCardClipMargin,
                            place.Width + 2 * kCardClipMargin, place.Height + 2 * kCardClipMargin};
        printer.ClipTo(&clip);
        OffsetCardTarget card(printer.Page(), place.Left, place.Top);
        // Each card starts with the line width of a fresh printer page.
        card.SetLineWidth(1);
        DrawCard(card, scenes.at(order[i]));
    }
}

} // namespace tarvello
