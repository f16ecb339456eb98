#include "barprint.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tarvello {

namespace {

constexpr int kMarkLine = 260;   // the limit's text above the bar
constexpr int kBarHeight = 420;
constexpr int kLegendGap = 140;
constexpr int kLegendRow = 300;
constexpr int kLegendColumns = 3;
constexpr int kSwatchWidth = 360;
constexpr int kSwatchHeight = 200;
constexpr int kTextSize = 9;
constexpr double kSpacing = 90; // between the lines of a pattern
constexpr double kDense = 40;

struct Area
{
    double left, top, right, bottom;
};

void Rising(ICardTarget &page, const Area &a, double step)
{
    // Lines x + y = c, from bottom left to top right.
    for (double c = a.left + a.top + step; c < a.right + a.bottom; c += step) {
        const double x1 = std::max(a.left, c - a.bottom);
        const double x2 = std::min(a.right, c - a.top);
        if (x2 > x1)
            page.Line(x1, c - x1, x2, c - x2);
    }
}

void Falling(ICardTarget &page, const Area &a, double step)
{
    // Lines x - y = c, from top left to bottom right.
    for (double c = a.left - a.bottom + step; c < a.right - a.top; c += step) {
        const double x1 = std::max(a.left, c + a.top);
        const double x2 = std::min(a.right, c + a.bottom);
        if (x2 > x1)
            page.Line(x1, x1 - c, x2, x2 - c);
    }
}

void Across(ICardTarget &page, const Area &a, double step)
{
    for (double y = a.top + step / 2; y < a.bottom; y += step)
        page.Line(a.left, y, a.right, y);
}

void Down(ICardTarget &page, const Area &a, double step)
{
    for (double x = a.left + step / 2; x < a.right; x += step)
        page.Line(x, a.top, x, a.bottom);
}

// The area in the pattern of swatch, outlined.
void Fill(ICardTarget &page, const Area &a, BarSwatch swatch)
{
    if (a.right - a.left <= 0)
        return;
    page.SetLineWidth(1);
    switch (LookOf(swatch).pattern) {
    case BarPattern::Empty: break;
    case BarPattern::Rising: Rising(page, a, kSpacing); break;
    case BarPattern::Falling: Falling(page, a, kSpacing); break;
    case BarPattern::Horizontal: Across(page, a, kSpacing); break;
    case BarPattern::Vertical: Down(page, a, kSpacing); break;
    case BarPattern::Cross:
        Across(page, a, kSpacing);
        Down(page, a, kSpacing);
        break;
    case BarPattern::Diagonal:
        Rising(page, a, kSpacing * 1.5);
        Falling(page, a, kSpacing * 1.5);
        break;
    case BarPattern::Dense: Rising(page, a, kDense); break;
    case BarPattern::Solid: {
        const double pixel = std::max(1.0, page.PixelTwips());
        page.SetLineWidth(static_cast<int>(std::ceil(kDense / 2 / pixel)) + 1);
        Across(page, a, kDense / 2);
        page.SetLineWidth(1);
        break;
    }
    }
    page.Box(a.left, a.top, a.right, a.bottom);
}

int LegendRows(const PointsBar &bar)
{
    return (static_cast<int>(bar.parts.size()) + kLegendColumns - 1) / kLegendColumns;
}

// text, cut to width with "..." when it is wider.
std::string Fitted(ICardTarget &page, const std::string &text, double width)
{
    if (page.TextWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && page.TextWidth(cut + "...") > width)
        cut.pop_back();
    return cut + "...";
}

void Legend(ICardTarget &page, const PointsBar &bar, int x, int y, int width)
{
    const int item = width / kLegendColumns;
    for (std::size_t i = 0; i < bar.parts.size(); ++i) {
        const int left = x + static_cast<int>(i % kLegendColumns) * item;
        const int top = y + static_cast<int>(i / kLegendColumns) * kLegendRow;
        const double swatchTop = top + (kLegendRow - kSwatchHeight) / 2.0 - 30;
        Fill(page, {double(left), swatchTop, double(left + kSwatchWidth), swatchTop + kSwatchHeight},
             bar.parts[i].swatch);
        page.SetCursor(left + kSwatchWidth + 80, top);
        page.Print(Fitted(page, bar.parts[i].label + ": " + bar.PointsText(i),
                          item - kSwatchWidth - 200));
    }
}

} // namespace

int PointsBarHeight(const PointsBar &bar)
{
    return kMarkLine + kBarHeight + kLegendGap + LegendRows(bar) * kLegendRow;
}

void PrintPointsBar(ICardTarget &page, const PointsBar &bar, int x, int y, int width,
                    const std::string &fontName)
{
    page.SetFont(fontName, kTextSize, false, false);
    const double top = y + kMarkLine;
    const double bottom = top + kBarHeight;
    const auto at = [x, width](double fraction) { return x + fraction * width; };
    // The stacked parts first, the strips under the bar over them.
    for (const bool overlays : {false, true}) {
        for (std::size_t i = 0; i < bar.parts.size(); ++i) {
            if (bar.parts[i].overlay != overlays)
                continue;
            const BarRect &r = bar.places[i];
            Fill(page,
                 {at(r.left), top + r.top * kBarHeight, at(r.right), top + r.bottom * kBarHeight},
                 bar.parts[i].swatch);
        }
    }
    if (bar.zeroAt) {
        page.SetLineWidth(1);
        page.Line(at(*bar.zeroAt), top - 60, at(*bar.zeroAt), bottom + 60);
    }
    if (bar.markerAt) {
        const double mark = at(*bar.markerAt);
        page.SetLineWidth(3);
        page.Line(mark, top - 80, mark, bottom + 80);
        page.SetLineWidth(1);
        const std::string text = "Limit";
        const double textWidth = page.TextWidth(text);
        page.SetCursor(std::clamp(mark - textWidth / 2, double(x), x + width - textWidth),
                       y);
        page.Print(text);
    }
    Legend(page, bar, x, static_cast<int>(bottom) + kLegendGap, width);
}

} // namespace tarvello
