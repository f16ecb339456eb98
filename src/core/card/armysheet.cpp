#include "armysheet.h"

#include "barprint.h"

#include "army/armypoints.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace tarvello {

namespace {

// The roster's page, in twips from the printable area's corner.
constexpr int kInset = 567;
constexpr int kTitleSize = 16;
constexpr int kInfoSize = 11;
constexpr int kTextSize = 10;
constexpr int kTitleStep = 480;
constexpr int kInfoStep = 420;
constexpr int kRowStep = 300;
constexpr int kColumnGap = 200;
// Right edges of the two number columns and the widths of the others.
constexpr int kCountRight = 800;
constexpr int kSizeRight = 2000;
constexpr int kFigureLeft = 2300;
constexpr int kTypeWidth = 2400;
constexpr int kPointsWidth = 1100;
// The heading (title, information, column titles) above the first line.
constexpr int kHeading = kTitleStep + kInfoStep + kRowStep + kRowStep / 2;

constexpr std::string_view kEllipsis = "...";

// Lines (the total included) that one page holds.
int RowsPerPage(int height)
{
    return std::max(1, (height - 2 * kInset - kHeading) / kRowStep);
}

// The twips the bar takes under the first page's heading (0 without one).
int BarSpace(const ArmyRoster &roster)
{
    return roster.bar ? PointsBarHeight(*roster.bar) + kRowStep / 2 : 0;
}

// Lines (the total included) that the first page holds.
int FirstPageRows(const ArmyRoster &roster, int height)
{
    return RowsPerPage(height - BarSpace(roster));
}

// text, or as much of it as fits into width followed by "...".
std::string Fitted(ICardTarget &page, const std::string &text, double width)
{
    if (page.TextWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && page.TextWidth(cut + std::string(kEllipsis)) > width)
        cut.pop_back();
    return cut + std::string(kEllipsis);
}

void TextAt(ICardTarget &page, double x, double y, const std::string &text)
{
    page.SetCursor(x, y);
    page.Print(text);
}

void RightAt(ICardTarget &page, double right, double y, const std::string &text)
{
    TextAt(page, right - page.TextWidth(text), y, text);
}

// Where the columns lie on a page of width twips.
struct Columns
{
    int left;
    int figureWidth;
    int typeLeft;
    int pointsRight;

    explicit Columns(int width)
        : left(kInset)
        , figureWidth(std::max(kTypeWidth / 2, width - 2 * kInset - kFigureLeft - kTypeWidth
                                                   - kPointsWidth - 2 * kColumnGap))
        , typeLeft(kInset + kFigureLeft + figureWidth + kColumnGap)
        , pointsRight(typeLeft + kTypeWidth + kColumnGap + kPointsWidth)
    {
    }

    void Row(ICardTarget &page, int y, const RosterLine &line) const
    {
        RightAt(page, left + kCountRight, y, line.count);
        RightAt(page, left + kSizeRight, y, line.size);
        TextAt(page, left + kFigureLeft, y, Fitted(page, line.figure, figureWidth));
        TextAt(page, typeLeft, y, Fitted(page, line.type, kTypeWidth));
        RightAt(page, pointsRight, y, line.points);
    }
};

void Heading(ICardTarget &page, const Columns &columns, const ArmyRoster &roster,
             const std::string &font, int pageNumber, int pages, int &y)
{
    page.SetFont(font, kTitleSize, true, false);
    TextAt(page, columns.left, y,
           Fitted(page, roster.name.empty() ? "Roster" : roster.name,
                  columns.pointsRight - columns.left - 2000));
    page.SetFont(font, kInfoSize, false, false);
    RightAt(page, columns.pointsRight, y,
            "Page " + std::to_string(pageNumber) + " of " + std::to_string(pages));
    y += kTitleStep;
    std::string info = "Total cost: " + roster.total + " points";
    if (!roster.limit.empty())
        info += "    Points limit: " + roster.limit;
    TextAt(page, columns.left, y, info);
    y += kInfoStep;
    if (roster.bar && pageNumber == 1) {
        PrintPointsBar(page, *roster.bar, columns.left, y, columns.pointsRight - columns.left,
                       font);
        y += BarSpace(roster);
    }
    page.SetFont(font, kTextSize, true, false);
    columns.Row(page, y, {"Unit(s)", "Unit Size", "Figure", "Type", "Points"});
    y += kRowStep;
    page.SetLineWidth(1);
    page.Line(columns.left, y, columns.pointsRight, y);
    y += kRowStep / 2;
    page.SetFont(font, kTextSize, false, false);
}

} // namespace

ArmyRoster RosterOf(std::string name, std::string total, std::string limit,
                    const std::vector<ArmyUnit> &units, char decimalMark)
{
    ArmyRoster roster{std::move(name), std::move(total), std::move(limit), {}};
    roster.lines.reserve(units.size());
    for (const ArmyUnit &unit : units) {
        roster.lines.push_back({unit.Count(), unit.Size(), unit.Summary(kFigureName),
                                unit.Summary(kFigureType), LinePointsText(unit, decimalMark)});
    }
    return roster;
}

int RosterPageCount(const ArmyRoster &roster, int height)
{
    const std::size_t rows = roster.lines.size() + 1;
    const auto first = static_cast<std::size_t>(FirstPageRows(roster, height));
    if (rows <= first)
        return 1;
    const auto perPage = static_cast<std::size_t>(RowsPerPage(height));
    return static_cast<int>(1 + (rows - first + perPage - 1) / perPage);
}

void PrintRosterPages(ICardSheetPrinter &printer, const SheetArea &area, const ArmyRoster &roster,
                      const std::string &fontName)
{
    const Columns columns(area.width);
    const auto perPage = static_cast<std::size_t>(RowsPerPage(area.height));
    const auto firstPage = static_cast<std::size_t>(FirstPageRows(roster, area.height));
    const int pages = RosterPageCount(roster, area.height);
    std::size_t line = 0;
    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            printer.NewPage();
        printer.ClipTo(nullptr);
        ICardTarget &page = printer.Page();
        int y = kInset;
        Heading(page, columns, roster, fontName, number, pages, y);
        const std::size_t rows = number == 1 ? firstPage : perPage;
        for (std::size_t row = 0; row < rows && line < roster.lines.size(); ++row, ++line) {
            columns.Row(page, y, roster.lines[line]);
            y += kRowStep;
        }
        if (line == roster.lines.size() && number == pages) {
            page.Line(columns.left, y, columns.pointsRight, y);
            page.SetFont(fontName, kTextSize, true, false);
            TextAt(page, columns.left + kFigureLeft, y + kRowStep / 4, "Total");
            RightAt(page, columns.pointsRight, y + kRowStep / 4, roster.total);
        }
    }
}

void KeepOneCardPerFigure(CardSheetJob &job)
{
    std::vector<bool> printed(job.cards.size(), false);
    std::vector<std::size_t> order;
    for (const std::size_t card : job.order) {
        if (card < printed.size() && !printed[card]) {
            printed[card] = true;
            order.push_back(card);
        }
    }
    job.order = std::move(order);
}

int ArmyFigureCards(const std::vector<ArmyUnit> &units)
{
    std::set<std::string_view> names;
    for (const ArmyUnit &unit : units)
        names.insert(unit.Summary(kFigureName));
    return static_cast<int>(names.size());
}

} // namespace tarvello
