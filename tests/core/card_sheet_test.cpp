// Card sheets: how many cards a page holds and where, the cut marks around
// them, the pages cards take, and an army's cards from its figure files.

#include "testfolder.h"
#include "cardrecorder.h"

#include "card/cardsheet.h"
#include "card/cardsheetjob.h"
#include "rules/modloaddata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tarvello {
namespace {

// Paper in twips with a printer's usual quarter-inch margins.
SheetArea Paper(int width, int height)
{
    return {width, height, 360, 360, width - 720, height - 720};
}

struct LayoutCase
{
    const char *paper;
    SheetArea area;
    int columns, rows;
    int firstLeft, firstTop; // by hand: (paper - block) / 2 - margin
    int marks;
};

// Blocks: A4 and Letter 10432 x 14512, A5 6917 x 9637, A4 landscape 13947 x 9637.
const LayoutCase kLayouts[] = {
    {"A4", Paper(11906, 16838), 3, 3, 377, 803, 24},
    {"Letter", Paper(12240, 15840), 3, 3, 544, 304, 24},
    {"A5", Paper(8391, 11906), 2, 2, 377, 774, 16},
    {"A4 landscape", Paper(16838, 11906), 4, 2, 1085, 774, 24},
    // A wide left margin: the block moves to the printable area's edge, no
    // room for marks on the left.
    {"A4 uneven margins", {11906, 16838, 1000, 360, 10546, 16118}, 3, 3, 0, 803, 18},
};

bool Touches(const CutMark &m, const CardRect &c)
{
    return std::max(m.x1, m.x2) >= c.Left && std::min(m.x1, m.x2) <= c.Left + c.Width
           && std::max(m.y1, m.y2) >= c.Top && std::min(m.y1, m.y2) <= c.Top + c.Height;
}

TEST(CardSheetLayout, FitsCardsCentredWithMarksOutsideEveryCard)
{
    for (const LayoutCase &c : kLayouts) {
        SCOPED_TRACE(c.paper);
        const CardSheetLayout layout = LayoutCardSheet(c.area);
        ASSERT_EQ(std::make_pair(layout.columns, layout.rows), std::make_pair(c.columns, c.rows));
        ASSERT_EQ(int(layout.places.size()), c.columns * c.rows);
        EXPECT_EQ(layout.places[0].Left, c.firstLeft);
        EXPECT_EQ(layout.places[0].Top, c.firstTop);
        EXPECT_EQ(layout.places[1].Left - layout.places[0].Left, 3402 + kCardSheetGap);
        EXPECT_EQ(layout.places[std::size_t(c.columns)].Top - layout.places[0].Top, 4762 + kCardSheetGap);
        EXPECT_TRUE(layout.places.back().Left + 3402 <= c.area.width && layout.places.back().Top + 4762 <= c.area.height);
        EXPECT_EQ(int(layout.marks.size()), c.marks);
        for (const CutMark &m : layout.marks) {
            EXPECT_GE(std::min({m.x1, m.y1, m.x2, m.y2}), 0);
            EXPECT_TRUE(std::max(m.x1, m.x2) <= c.area.width && std::max(m.y1, m.y2) <= c.area.height);
            for (const CardRect &card : layout.places)
                EXPECT_FALSE(Touches(m, card)) << m.x1 << "," << m.y1;
        }
        // Every card edge continues in a mark.
        const auto marked = [&layout](bool vertical, int at) {
            return std::any_of(layout.marks.begin(), layout.marks.end(), [&](const CutMark &m) {
                return vertical ? m.x1 == at && m.x2 == at : m.y1 == at && m.y2 == at;
            });
        };
        for (const CardRect &card : layout.places) {
            EXPECT_TRUE(marked(true, card.Left) && marked(true, card.Left + card.Width));
            EXPECT_TRUE(marked(false, card.Top) && marked(false, card.Top + card.Height));
        }
    }
}

TEST(CardSheetLayout, MarksShortenOrVanishWhereTheMarginEnds)
{
    EXPECT_TRUE(LayoutCardSheet({3402, 4762, 0, 0, 3402, 4762}).marks.empty());
    // 100 twips around the card leave marks of 100 - 57.
    const CardSheetLayout narrow = LayoutCardSheet({3602, 4962, 0, 0, 3602, 4962});
    ASSERT_EQ(narrow.marks.size(), 8u);
    for (const CutMark &m : narrow.marks)
        EXPECT_EQ(std::abs(m.x2 - m.x1) + std::abs(m.y2 - m.y1), 43);
    EXPECT_EQ(LayoutCardSheet({3000, 16838, 0, 0, 3000, 16838}).PerPage(), 0);
}

TEST(CardSheetLayout, PagesAndTheirText)
{
    const struct { int cards, perPage, pages; const char *text; } cases[] = {
        {10, 9, 2, "10 cards on 2 pages"}, {19, 9, 3, "19 cards on 3 pages"}, {1, 4, 1, "1 card on 1 page"},
        {0, 9, 0, "0 cards on 0 pages"}, {5, 0, 0, "The card does not fit on this paper."}};
    for (const auto &c : cases) {
        EXPECT_EQ(SheetPageCount(c.cards, c.perPage), c.pages) << c.cards;
        EXPECT_EQ(SheetCountText(c.cards, c.perPage), c.text);
    }
}

// "page" for each new page, "card n" before each card.
struct SheetRecorder : ICardSheetPrinter
{
    cardtest::CardRecorder page{true};
    ICardTarget &Page() override { return page; }
    void UseCardPicture(std::size_t card) override { page.ops.push_back("card " + std::to_string(card)); }
    void NewPage() override { page.ops.push_back("page"); }
    void ClipTo(const CardRect *r) override
    {
        page.ops.push_back(r ? "clip " + std::to_string(r->Left) + "," + std::to_string(r->Top) : "no clip");
    }
};

// An operation with every "x,y" point moved by (dx, dy).
std::string Shifted(const std::string &op, double dx, double dy)
{
    std::istringstream in(op);
    std::ostringstream out;
    for (std::string token; in >> token; out << ' ') {
        const std::size_t comma = token.find(',');
        if (comma == std::string::npos || token.find('[') != std::string::npos)
            out << token;
        else
            out << std::stod(token.substr(0, comma)) + dx << ',' << std::stod(token.substr(comma + 1)) + dy;
    }
    return out.str().substr(0, out.str().size() - 1);
}

TEST(CardSheetPrint, TenCardsTakeTwoPagesEachDrawnAtItsPlace)
{
    clsFigure a, b;
    a.Name = "Spearman";
    b.Name = "Dwarf Captain";
    const CardStyle style = DefaultCardStyle("Arial");
    const std::vector<CardScene> scenes = {{&a, &style, kInitialImageRect, false, 0, 0},
                                           {&b, &style, kInitialImageRect, false, 0, 0}};
    const std::vector<std::size_t> order = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const CardSheetLayout layout = LayoutCardSheet(Paper(11906, 16838));
    SheetRecorder sheet;
    PrintCardSheets(sheet, layout, scenes, order);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i % 9 == 0) {
            if (i > 0)
                expected.push_back("page");
            expected.insert(expected.end(), {"no clip", "width 1"});
            for (const CutMark &m : layout.marks)
                expected.push_back("line " + std::to_string(m.x1) + "," + std::to_string(m.y1) + " "
                                   + std::to_string(m.x2) + "," + std::to_string(m.y2));
        }
        const CardRect &place = layout.places[i % 9];
        expected.push_back("card " + std::to_string(order[i]));
        expected.push_back("clip " + std::to_string(place.Left - 28) + "," + std::to_string(place.Top - 28));
        // The card as the card window prints it alone on a fresh page.
        cardtest::CardRecorder alone(true);
        alone.SetLineWidth(1);
        DrawCard(alone, scenes[order[i]]);
        for (const std::string &op : alone.ops)
            expected.push_back(Shifted(op, place.Left, place.Top));
    }
    EXPECT_EQ(sheet.page.ops, expected);
}

TEST(ArmySheet, CardsPerLineOrUnitFromTheFigureFilesEachReadOnce)
{
    RulesTables tables;
    const std::string data = TARVELLO_SHIPPED_DATA_DIR;
    LoadAllTables(tables, data, ".", [](const Failure &failure) { FAIL() << failure.Message(); });
    const std::filesystem::path folder = FreshTestFolder("sheet");
    std::filesystem::copy_file(data + "/figures/spearman.tvf", folder / "spearman.tvf");
    // Saved under another name: found by the figure name inside.
    std::filesystem::copy_file(data + "/figures/elven_archer.tvf", folder / "archers v2.tvf");
    WriteTestFile(folder, "broken.tvf", "[Figure]\r\ntxtFigureName=Broken\r\ntxtImageFile=x.bmp\r\n"
                                       "[ImageProperties]\r\nWidth=abc\r\n");
    std::vector<ArmyUnit> units;
    for (const auto &[count, name] : std::vector<std::pair<std::string, std::string>>{
             {"3", "Spearman"}, {"2", "Ghost"}, {"2", "Elven Archer"}, {"1", "Broken"},
             {"0", "Spearman"}, {"2.5", "Spearman"}}) {
        units.emplace_back();
        units.back().Count() = count;
        units.back().fields[2 + kFigureName] = name;
    }
    const auto job = [&](bool perUnit, const std::filesystem::path &dir) {
        return BuildArmySheetJob(units, perUnit, dir.string(), tables,
                                 [](const std::string &) { return true; }, "Arial");
    };
    EXPECT_EQ(ArmySheetCards(units, false), 6);
    EXPECT_EQ(ArmySheetCards(units, true), 3 + 2 + 2 + 1 + 0 + 2);
    const CardSheetJob lines = job(false, folder);
    ASSERT_EQ(lines.cards.size(), 2u);
    EXPECT_EQ(lines.cards[0].card.figure().Name + "/" + lines.cards[1].card.figure().Name, "Spearman/Elven Archer");
    EXPECT_EQ(lines.order, (std::vector<std::size_t>{0, 1, 0, 0}));

    const CardSheetJob perUnit = job(true, folder);
    EXPECT_EQ(perUnit.order, (std::vector<std::size_t>{0, 0, 0, 1, 1, 0, 0}));
    ASSERT_EQ(perUnit.skipped.size(), 2u);
    const std::string brokenReason = perUnit.skipped[1].reason;
    EXPECT_TRUE(brokenReason != "file not found" && !brokenReason.empty());
    EXPECT_EQ(SheetPrintedMessage(7, perUnit.skipped),
              "7 cards printed, 2 skipped: Ghost (file not found); Broken (" + brokenReason + ")");
    EXPECT_EQ(SheetPrintedMessage(1, {{"Ghost", "gone"}}), "1 card printed, 1 skipped: Ghost (gone)");
    EXPECT_EQ(job(false, folder / "gone").skipped.size(), units.size()); // every line
}

} // namespace
} // namespace tarvello
