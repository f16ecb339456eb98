// Card sheets: how many cards a page holds and where, the cut marks around
// them, the pages a number of cards takes, and the army's cards from its
// figure files.

#include "armytestfolder.h"
#include "cardrecorder.h"

#include "card/cardsheet.h"
#include "card/cardsheetjob.h"
#include "rules/modloaddata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tarvello {
namespace {

using cardtest::CardRecorder;

// Paper sizes in twips and a printer's usual quarter-inch margins.
constexpr int kMargin = 360;
SheetArea Paper(int width, int height, int margin = kMargin)
{
    return {width, height, margin, margin, width - 2 * margin, height - 2 * margin};
}

struct LayoutCase
{
    const char *paper;
    SheetArea area;
    int columns;
    int rows;
    int firstLeft; // worked out by hand: (paper - block) / 2 - margin
    int firstTop;
    int marks;
};

const LayoutCase kLayouts[] = {
    // A4 block 3 x 6 cm + 2 gaps = 10432 wide, 3 x 8.4 cm + 2 gaps = 14512 high.
    {"A4", Paper(11906, 16838), 3, 3, 377, 803, 24},
    {"Letter", Paper(12240, 15840), 3, 3, 544, 304, 24},
    // A5 block 6917 x 9637.
    {"A5", Paper(8391, 11906), 2, 2, 377, 774, 16},
    // A4 landscape block 13947 x 9637.
    {"A4 landscape", Paper(16838, 11906), 4, 2, 1085, 774, 24},
    // A wide left margin moves the block right to the printable area's edge,
    // leaving no room for the marks on the left.
    {"A4 uneven margins", {11906, 16838, 1000, 360, 10546, 16118}, 3, 3, 0, 803, 18},
};

bool Crosses(const CutMark &mark, const CardRect &card)
{
    return std::max(mark.x1, mark.x2) >= card.Left && std::min(mark.x1, mark.x2) <= card.Left + card.Width
           && std::max(mark.y1, mark.y2) >= card.Top && std::min(mark.y1, mark.y2) <= card.Top + card.Height;
}

TEST(CardSheetLayout, FitsCardsCentredWithMarksOutsideEveryCard)
{
    for (const LayoutCase &c : kLayouts) {
        SCOPED_TRACE(c.paper);
        const CardSheetLayout layout = LayoutCardSheet(c.area);
        ASSERT_EQ(layout.columns, c.columns);
        ASSERT_EQ(layout.rows, c.rows);
        ASSERT_EQ(int(layout.places.size()), c.columns * c.rows);
        EXPECT_EQ(layout.places.front().Left, c.firstLeft);
        EXPECT_EQ(layout.places.front().Top, c.firstTop);
        // Row by row, one card and one gap apart, and the last card in the
        // printable area.
        EXPECT_EQ(layout.places[1].Left - layout.places[0].Left, 3402 + kCardSheetGap);
        EXPECT_EQ(layout.places[std::size_t(c.columns)].Top - layout.places[0].Top, 4762 + kCardSheetGap);
        const CardRect &last = layout.places.back();
        EXPECT_LE(last.Left + last.Width, c.area.width);
        EXPECT_LE(last.Top + last.Height, c.area.height);
        // Each card edge has a mark before and after the block, where there
        // is room.
        EXPECT_EQ(int(layout.marks.size()), c.marks);
        for (const CutMark &mark : layout.marks) {
            EXPECT_TRUE(mark.x1 == mark.x2 || mark.y1 == mark.y2);
            EXPECT_GE(std::min(mark.x1, mark.y1), 0);
            EXPECT_LE(std::max(mark.x1, mark.x2), c.area.width);
            EXPECT_LE(std::max(mark.y1, mark.y2), c.area.height);
            for (const CardRect &card : layout.places)
                EXPECT_FALSE(Crosses(mark, card)) << mark.x1 << "," << mark.y1;
        }
        // Every card corner lies on the line of a vertical and a horizontal mark.
        for (const CardRect &card : layout.places) {
            for (const int x : {card.Left, card.Left + card.Width}) {
                EXPECT_TRUE(std::any_of(layout.marks.begin(), layout.marks.end(), [x](const CutMark &m) {
                    return m.x1 == x && m.x2 == x;
                }));
            }
            for (const int y : {card.Top, card.Top + card.Height}) {
                EXPECT_TRUE(std::any_of(layout.marks.begin(), layout.marks.end(), [y](const CutMark &m) {
                    return m.y1 == y && m.y2 == y;
                }));
            }
        }
    }
}

TEST(CardSheetLayout, MarksShortenOrVanishWhereTheMarginEnds)
{
    // Without margins around the block there is no room for a mark.
    const CardSheetLayout tight = LayoutCardSheet({3402, 4762, 0, 0, 3402, 4762});
    EXPECT_EQ(tight.PerPage(), 1);
    EXPECT_TRUE(tight.marks.empty());
    // 100 twips around the card: marks of 100 - 57 twips.
    const CardSheetLayout narrow = LayoutCardSheet({3602, 4962, 0, 0, 3602, 4962});
    ASSERT_EQ(narrow.marks.size(), 8u);
    for (const CutMark &mark : narrow.marks)
        EXPECT_EQ(std::abs(mark.x2 - mark.x1) + std::abs(mark.y2 - mark.y1), 43);
    // Too small for one card.
    EXPECT_EQ(LayoutCardSheet({3000, 16838, 0, 0, 3000, 16838}).PerPage(), 0);
}

TEST(CardSheetLayout, PagesAndTheirText)
{
    const struct { int cards, perPage, pages; const char *text; } cases[] = {
        {10, 9, 2, "10 cards on 2 pages"}, {19, 9, 3, "19 cards on 3 pages"},
        {9, 9, 1, "9 cards on 1 page"},    {1, 4, 1, "1 card on 1 page"},
        {0, 9, 0, "0 cards on 0 pages"},   {5, 0, 0, "The card does not fit on this paper."},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SheetPageCount(c.cards, c.perPage), c.pages) << c.cards;
        EXPECT_EQ(SheetCountText(c.cards, c.perPage), c.text);
    }
}

// Records the pages: "page" for each new page, "card n" before each card.
class SheetRecorder : public ICardSheetPrinter
{
public:
    CardRecorder page{true};
    ICardTarget &Page() override { return page; }
    void UseCardPicture(std::size_t card) override { page.ops.push_back("card " + std::to_string(card)); }
    void NewPage() override { page.ops.push_back("page"); }
};

// An operation with every "x,y" point moved by (dx, dy).
std::string Shifted(const std::string &op, double dx, double dy)
{
    std::istringstream in(op);
    std::string token;
    std::string out;
    while (in >> token) {
        const std::size_t comma = token.find(',');
        if (comma != std::string::npos && token.find('[') == std::string::npos) {
            std::ostringstream point;
            point << std::stod(token.substr(0, comma)) + dx << ',' << std::stod(token.substr(comma + 1)) + dy;
            token = point.str();
        }
        out += (out.empty() ? "" : " ") + token;
    }
    return out;
}

TEST(CardSheetPrint, TenCardsTakeTwoPagesEachCardDrawnAtItsSlot)
{
    clsFigure a;
    a.Name = "Spearman";
    clsFigure b;
    b.Name = "Dwarf Captain";
    const CardStyle style = DefaultCardStyle("Arial");
    const std::vector<CardScene> scenes = {{&a, &style, kInitialImageRect, false, 0, 0},
                                           {&b, &style, kInitialImageRect, false, 0, 0}};
    const std::vector<std::size_t> order = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const CardSheetLayout layout = LayoutCardSheet(Paper(11906, 16838));
    SheetRecorder sheet;
    PrintCardSheets(sheet, layout, scenes, order);

    // Alone on a fresh printer page, as the card window prints it.
    std::vector<std::vector<std::string>> alone;
    for (const CardScene &scene : scenes) {
        CardRecorder single(true);
        single.SetLineWidth(1);
        DrawCard(single, scene);
        alone.push_back(single.ops);
    }
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i == 9)
            expected.push_back("page");
        if (i % 9 == 0) {
            expected.push_back("width 1");
            for (const CutMark &m : layout.marks) {
                expected.push_back("line " + std::to_string(m.x1) + "," + std::to_string(m.y1) + " "
                                   + std::to_string(m.x2) + "," + std::to_string(m.y2));
            }
        }
        expected.push_back("card " + std::to_string(order[i]));
        const CardRect &slot = layout.places[i % 9];
        for (const std::string &op : alone[order[i]])
            expected.push_back(Shifted(op, slot.Left, slot.Top));
    }
    EXPECT_EQ(sheet.page.ops, expected);
}

class ArmySheet : public testing::Test
{
protected:
    void SetUp() override
    {
        LoadAllTables(m_tables, kData, ".", [](const std::string &text) { FAIL() << text; });
        m_folder = ArmyTestFolder("sheet");
        namespace fs = std::filesystem;
        fs::copy_file(kData + "/figures/spearman.tvf", m_folder / "spearman.tvf");
        // Saved under another name: found by the figure name inside.
        fs::copy_file(kData + "/figures/elven_archer.tvf", m_folder / "archers v2.tvf");
        ArmyTestFile(m_folder, "broken.tvf",
                     "[Figure]\r\ntxtFigureName=Broken\r\ntxtImageFile=x.bmp\r\n"
                     "[ImageProperties]\r\nWidth=abc\r\nHeight=2\r\n");
    }

    static ArmyUnit Line(const std::string &count, const std::string &name)
    {
        ArmyUnit unit;
        unit.Count() = count;
        unit.Size() = "1";
        unit.fields[2 + kFigureName] = name;
        return unit;
    }

    CardSheetJob Job(bool perUnit) const
    {
        return BuildArmySheetJob(m_units, perUnit, m_folder.string(), m_tables,
                                 [](const std::string &) { return true; }, "Arial");
    }

    const std::string kData = TARVELLO_SHIPPED_DATA_DIR;
    RulesTables m_tables;
    std::filesystem::path m_folder;
    std::vector<ArmyUnit> m_units = {Line("3", "Spearman"), Line("2", "Ghost"),
                                     Line("2", "Elven Archer"), Line("1", "Broken"),
                                     Line("0", "Spearman"), Line("2.5", "Spearman")};
};

TEST_F(ArmySheet, OneCardPerLineOrPerUnitEachFileReadOnce)
{
    EXPECT_EQ(ArmySheetCards(m_units, false), 6);
    EXPECT_EQ(ArmySheetCards(m_units, true), 3 + 2 + 2 + 1 + 0 + 2);

    const CardSheetJob lines = Job(false);
    ASSERT_EQ(lines.cards.size(), 2u);
    EXPECT_EQ(lines.cards[0].card.figure().Name, "Spearman");
    EXPECT_EQ(lines.cards[1].card.figure().Name, "Elven Archer");
    EXPECT_EQ(lines.order, (std::vector<std::size_t>{0, 1, 0, 0}));

    const CardSheetJob units = Job(true);
    EXPECT_EQ(units.order, (std::vector<std::size_t>{0, 0, 0, 1, 1, 0, 0}));
    ASSERT_EQ(units.skipped.size(), 2u);
    EXPECT_EQ(units.skipped[0].figure, "Ghost");
    EXPECT_EQ(units.skipped[1].figure, "Broken");
    EXPECT_EQ(SheetPrintedMessage(int(units.order.size()), units.skipped),
              "7 cards printed, 2 skipped: Ghost (file not found); Broken ("
                  + units.skipped[1].reason + ")");
    EXPECT_NE(units.skipped[1].reason, "file not found") << units.skipped[1].reason;
    EXPECT_FALSE(units.skipped[1].reason.empty());
}

TEST_F(ArmySheet, MessageOnlyWhenSomethingWasSkipped)
{
    EXPECT_EQ(SheetPrintedMessage(5, {}), "");
    EXPECT_EQ(SheetPrintedMessage(1, {{"Ghost", "file not found"}}),
              "1 card printed, 1 skipped: Ghost (file not found)");
    // A folder that does not exist skips every line.
    const CardSheetJob job = BuildArmySheetJob(m_units, false, (m_folder / "gone").string(), m_tables,
                                               [](const std::string &) { return true; }, "Arial");
    EXPECT_TRUE(job.order.empty());
    EXPECT_EQ(job.skipped.size(), m_units.size());
}

} // namespace
} // namespace tarvello
