// The army editor's aids: the points limit and its file field, the points of
// a line, finding and sorting figures, and the roster printed with the cards.
#include "army/armybar.h"
#include "army/armyfile.h"
#include "army/armymodel.h"
#include "army/armypoints.h"
#include "army/figurefilter.h"
#include "card/armysheet.h"
#include "cardrecorder.h"
#include "platform/fileio.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace tarvello {
namespace {

using Texts = std::vector<std::string>;

ArmyUnit Unit(const std::string &count, const std::string &size, const std::string &name,
              const std::string &cost, const std::string &type = "Soldier")
{
    ArmyUnit unit;
    unit.Count() = count;
    unit.Size() = size;
    unit.fields[2 + kFigureName] = name;
    unit.fields[2 + kFigureType] = type;
    unit.fields[2 + kCost] = cost;
    return unit;
}

struct BalanceCase
{
    const char *total;
    const char *limit;
    const char *text;
    bool over;
};

TEST(PointsLimit, LeftOverOrNone)
{
    const BalanceCase cases[] = {
        {"747", "1000", "253 left", false}, {"1120", "1000", "120 over", true},
        {"1000", "1000", "0 left", false},  {"-20", "0", "20 left", false},
        {"2147483647", "0", "2147483647 over", true}, {"500", "", "", false},
        {"500", "12a", "", false},          {"500", "1234567890", "", false},
        {"1", "999999999", "999999998 left", false},
    };
    for (const BalanceCase &c : cases) {
        const PointsBalance balance = BalanceOf(c.total, c.limit);
        EXPECT_EQ(balance.Text(), c.text) << c.total << " / " << c.limit;
        EXPECT_EQ(balance.IsOver(), c.over) << c.total << " / " << c.limit;
    }
    for (const char *refused : {"-1", "1 ", "1.5", "1234567890", "x"})
        EXPECT_FALSE(IsPointsLimitText(refused)) << refused;
}

TEST(PointsLimit, HeaderFieldIsReadOnlyWhereItBelongs)
{
    const std::string header = ArmyHeaderLine();
    const std::tuple<std::string, std::string, bool> cases[] = {
        {header + ";Points Limit=1500", "1500", false}, {header + ";Points Limit=0042", "42", false},
        {header + ";Points Limit=1500;more", "1500", false}, {header, "", false},
        {header + ";more", "", false},                  {"Points Limit=9", "", false},
        {"", "", false},                                 {header + ";Points Limit=", "", true},
        {header + ";Points Limit=-100", "", true},       {header + ";Points Limit=abc", "", true},
        {header + ";Points Limit=1e30", "", true},       {header + ";Points Limit=100.5", "", true},
        {header + ";;Points Limit=9", "", true},
        {header + ";Points Limit=5;Points Limit=5", "", true},
    };
    for (const auto &[line, limit, unreadable] : cases) {
        EXPECT_EQ(LimitOfHeader(line).limit, limit) << line;
        EXPECT_EQ(LimitOfHeader(line).unreadable, unreadable) << line;
    }
}

// A limit that cannot be read is named on opening and its field written
// back as it was, until the player sets a limit.
TEST(PointsLimit, UnreadableFieldIsKeptUntilTheLimitChanges)
{
    const auto dir = FreshTestFolder("badlimit");
    const std::string head = "Host\r\nnowhere\r\n" + ArmyHeaderLine();
    const std::string unit = "\r\n1;1;A;;;5;;;;;;;;;;\r\n";
    for (const char *tail : {";Points Limit=abc;note", ";Points Limit=1e30", ";Points Limit=7;Points Limit=8"}) {
        const std::string path = WriteTestFile(dir, "bad.tva", head + tail + unit);
        ArmyModel army("", '.');
        ASSERT_TRUE(army.Open(path).ok());
        EXPECT_EQ(army.PointsLimit(), "");
        EXPECT_NE(army.PointsLimitNotice().find(std::string(tail).substr(1)), std::string::npos);
        army.SetArmyName("Host");
        ASSERT_TRUE(army.WriteArmy(path).ok());
        EXPECT_EQ(ReadFileBytes(path), head + tail + unit) << tail;
        ASSERT_TRUE(army.SetPointsLimit("300"));
        ASSERT_TRUE(army.WriteArmy(path).ok());
        EXPECT_EQ(ReadFileBytes(path), head + ";Points Limit=300" + unit) << tail;
        ASSERT_TRUE(army.Undo().ok());
        ASSERT_TRUE(army.WriteArmy(path).ok());
        EXPECT_EQ(ReadFileBytes(path), head + tail + unit) << tail;
    }
    ArmyModel plain("", '.');
    ASSERT_TRUE(plain.Open(WriteTestFile(dir, "ok.tva", head + ";Points Limit=7" + unit)).ok());
    EXPECT_EQ(plain.PointsLimitNotice(), "");
}

// The file of an army without a limit is byte for byte what it always was; a
// limit changes its third line only, so that a reader that skips that line
// opens the same army.
TEST(PointsLimit, FileRoundTripAndUndo)
{
    const auto dir = FreshTestFolder("limit");
    WriteTestFile(dir, "a.tvf", FigureText("Archer", "12"));
    ArmyModel army(dir.string(), '.');
    ASSERT_TRUE(army.ScanFigures().ok());
    army.SetArmyName("Host");
    army.SetUnitsToAdd("3");
    army.SetUnitSizeAdd("10");
    ASSERT_TRUE(army.Add(0).ok());
    const std::string plain = "Host\r\n" + dir.string() + "\r\n"
        "Unit(s);Unit Size;Figure;Race;Type;Cost;Training Level;Hit Factor;Hit Points;Morale;"
        "Move;Command Skill;Melee Weapon;Missile Weapon;Extra Items;Armor\r\n"
        "3;10;Archer;<none>;<none>;12;<none>;<none>;<none>;<none>;<none>;<none>;;;;<none>\r\n";
    const std::string path = (dir / "host.tva").string();
    ASSERT_TRUE(army.SetPointsLimit("0300"));
    EXPECT_EQ(army.Balance().Text(), "60 over");
    ASSERT_TRUE(army.WriteArmy(path).ok());
    const std::string limited = ReadFileBytes(path).value_or("");
    const std::size_t third = plain.find("Unit(s)");
    const std::size_t end = plain.find("\r\n", third);
    EXPECT_EQ(limited, plain.substr(0, end) + ";Points Limit=300" + plain.substr(end));
    const ArmyFileContent read = ParseArmyFile(limited);
    const ArmyFileContent readPlain = ParseArmyFile(plain);
    EXPECT_EQ(read.units, readPlain.units);
    EXPECT_EQ(read.name + read.directory, readPlain.name + readPlain.directory);
    EXPECT_TRUE(read.error.empty());

    ArmyModel opened("elsewhere", '.');
    ASSERT_TRUE(opened.Open(path).ok());
    EXPECT_EQ(opened.PointsLimit(), "300");
    EXPECT_EQ(opened.Units(), army.Units());
    EXPECT_FALSE(opened.Changed());
    EXPECT_FALSE(opened.SetPointsLimit("4x"));
    EXPECT_FALSE(opened.Changed());
    ASSERT_TRUE(opened.SetPointsLimit(""));
    EXPECT_TRUE(opened.Changed());
    EXPECT_EQ(opened.Balance().Text(), "");
    ASSERT_TRUE(opened.WriteArmy(path).ok());
    EXPECT_EQ(ReadFileBytes(path), plain);
    ASSERT_TRUE(opened.Undo().ok());
    EXPECT_EQ(opened.PointsLimit(), "300");
    EXPECT_TRUE(opened.Changed());
    ASSERT_TRUE(opened.Redo().ok());
    EXPECT_EQ(opened.PointsLimit(), "");
    EXPECT_FALSE(opened.Changed());
}

TEST(LinePoints, CountTimesSizeTimesCostOfLeadingNumbers)
{
    const struct
    {
        ArmyUnit unit;
        char mark;
        const char *points;
    } cases[] = {
        {Unit("3", "10", "A", "12"), '.', "360"},   {Unit("1", "1", "A", "2.5"), '.', "2.5"},
        {Unit("1", "1", "A", "2.5"), ',', "2,5"},   {Unit("2", "5", "A", "<none>"), '.', "0"},
        {Unit("", "4", "A", "7"), '.', "0"},        {Unit("2", "3", "A", "1.5 pts"), '.', "9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LinePointsText(c.unit, c.mark), c.points) << c.unit.Summary(kCost);
}

TEST(FigureFilter, MatchesNameRaceTypeAndWeaponsWithoutCase)
{
    std::vector<FigureSummary> figures(4);
    const auto set = [&figures](std::size_t row, SummaryField field, const char *text) {
        figures[row].fields[field] = text;
    };
    set(0, kFigureName, "Orc Archer");
    set(0, kMissileList, "Longbow(2)");
    set(1, kRace, "ORC");
    set(1, kMeleeList, "Sword|Axe");
    set(2, kFigureType, "H\xC9RO");
    set(2, kTrainingLevel, "Elite");
    set(3, kExtraItemList, "Horn");
    set(3, kArmor, "Plate");
    set(3, kFigureName, "\x8A" "aman");
    const std::pair<const char *, std::vector<std::size_t>> cases[] = {
        {"orc", {0, 1}}, {"BOW", {0}},  {"axe", {1}},     {"h\xE9ro", {2}},
        {"elite", {}},   {"horn", {}},  {"plate", {}},    {"", {0, 1, 2, 3}},
        {"x", {1}},      {"(2)", {0}},  {"sword|a", {1}},  {"\x9A" "AMAN", {3}},
    };
    for (const auto &[text, rows] : cases)
        EXPECT_EQ(FilterFigures(figures, text), rows) << text;
}

TEST(FigureSort, NumbersAsNumbersBeforeTextsEqualRowsKeepTheirOrder)
{
    const Texts cells = {"10", "abc", "9", "<none>", "Abd", "-1", "2.5", "57 \xE2\x86\x92 60", "ABC", "9", ".5"};
    std::vector<std::size_t> rows = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const CellText cell = [&cells](std::size_t row) { return std::string_view(cells[row]); };
    SortRows(rows, cell, false);
    EXPECT_EQ(rows, (std::vector<std::size_t>{5, 10, 6, 2, 9, 0, 7, 3, 1, 8, 4}));
    SortRows(rows, cell, true);
    EXPECT_EQ(rows, (std::vector<std::size_t>{4, 1, 8, 3, 7, 0, 2, 9, 6, 10, 5}));
}

struct SheetRecorder : ICardSheetPrinter
{
    cardtest::CardRecorder page{true};
    ICardTarget &Page() override { return page; }
    void UseCardPicture(std::size_t card) override { page.ops.push_back("card " + std::to_string(card)); }
    void NewPage() override { page.ops.push_back("page"); }
    void ClipTo(const CardRect *r) override { page.ops.push_back(r ? "clip" : "no clip"); }
};

// Seven lines on a page that holds five rows: the seventh line and the
// total go onto a second page; long names are shortened.
TEST(Roster, PagesAsTheGoldenFileShows)
{
    std::vector<ArmyUnit> units;
    for (int i = 1; i <= 7; ++i)
        units.push_back(Unit(std::to_string(i), "10", "Figure " + std::to_string(i), "2.5"));
    units[2].fields[2 + kFigureName] = "A figure whose name is far too long for its column";
    const ArmyRoster roster = RosterOf("Northern Host", "350", "400", units, '.');
    const SheetArea area{11906, 16838, 0, 0, 11906, 2 * 567 + 1350 + 5 * 300};
    EXPECT_EQ(RosterPageCount(roster, area.height), 2);
    SheetRecorder sheet;
    PrintRosterPages(sheet, area, roster, "Arial");
    std::string ops;
    for (const std::string &op : sheet.page.ops)
        ops += op + '\n';
    ExpectGolden(ops, "army/roster_two_pages.txt");
    EXPECT_EQ(RosterPageCount(RosterOf("", "0", "", {}, '.'), area.height), 1);
}

TEST(Roster, OneCardPerFigureKeepsTheFirstPlaceOfEachCard)
{
    CardSheetJob job;
    for (int i = 0; i < 3; ++i)
        job.cards.push_back(SheetCard{UnitCardModel("Arial"), {}});
    job.order = {1, 1, 0, 1, 2, 0};
    KeepOneCardPerFigure(job);
    EXPECT_EQ(job.order, (std::vector<std::size_t>{1, 0, 2}));
    EXPECT_EQ(ArmyFigureCards({Unit("1", "1", "A", "1"), Unit("0", "2", "B", "1"),
                               Unit("3", "2", "A", "1")}),
              2);
}

// Normal 3 x 10 x 12 = 360 and 1 x 1 x 1.5; Hero 52.5; "Soldier" 2 x 5 x
// 2.5 = 25 counts as other. The total rounds after every line: 360, 412.5 to
// 412, 437, 438.5 to 438; the parts sum to 439, so the rounding is -1.
std::vector<ArmyUnit> MixedArmy()
{
    return {Unit("3", "10", "Orc", "12", "Normal"), Unit("1", "1", "Ogre", "52.5", "Hero"),
            Unit("2", "5", "Goblin", "2.5"), Unit("1", "1", "Wolf", "1.5", "Normal")};
}

TEST(ArmyComposition, PointsByTypeAgainstTheLimit)
{
    ArmyTally tally;
    for (const ArmyUnit &unit : MixedArmy())
        tally.Add(FactsOf(unit));
    EXPECT_EQ(tally.Total(), 438);
    const ArmyComposition composition = tally.Composition();
    EXPECT_EQ(composition.byType[0], 361.5);
    EXPECT_EQ(composition.byType[2], 52.5);
    EXPECT_EQ(composition.byType[5], 25);
    EXPECT_EQ(composition.rounding, -1);
    // The bar runs from -1 (the rounding) to the parts' end, 439, or to
    // the end of what is left; the limit is marked where the stack reaches it.
    const struct
    {
        const char *limit;
        const char *description;
        double end;
        std::optional<double> marker;
    } cases[] = {
        {"", "Normal: 361.5; Hero: 52.5; other: 25; Rounding: -1", 439, std::nullopt},
        {"500", "Normal: 361.5; Hero: 52.5; other: 25; Rounding: -1; Left: 62", 501, 501.0},
        {"400", "Normal: 361.5; Hero: 52.5; other: 25; Rounding: -1; Over: 38", 439, 401.0},
    };
    for (const auto &c : cases) {
        const PointsBar bar = ArmyCompositionBar(composition, 438, c.limit, '.');
        EXPECT_EQ(bar.Description(), c.description) << c.limit;
        EXPECT_DOUBLE_EQ(*bar.zeroAt, 1 / (c.end + 1));
        EXPECT_EQ(bar.markerAt.has_value(), c.marker.has_value());
        if (c.marker) {
            EXPECT_DOUBLE_EQ(*bar.markerAt, (*c.marker + 1) / (c.end + 1)) << c.limit;
        }
    }
    // Over 400: the strip under the bar covers 401 to 439.
    const PointsBar over = ArmyCompositionBar(composition, 438, "400", '.');
    EXPECT_TRUE(over.parts.back().overlay);
    EXPECT_DOUBLE_EQ(over.places.back().left, 402.0 / 440);
    EXPECT_DOUBLE_EQ(over.places.back().right, 1);
    EXPECT_EQ(ArmyCompositionBar({}, 0, "", '.').parts.size(), 0u);
}

// The Hero's figure costs 60 now: 360, 420, 445, 446.5 to 446.
TEST(ArmyComposition, TotalWithTheFiguresCostsNow)
{
    const std::vector<ArmyUnit> units = MixedArmy();
    const CostsNow now = {{FigureNameKey("Ogre"), 60}, {FigureNameKey("Orc"), 12}};
    ArmyTally tally(&now);
    for (const ArmyUnit &unit : units)
        tally.Add(FactsOf(unit));
    EXPECT_EQ(tally.Total(), 438);
    EXPECT_EQ(tally.TotalNow(), 446);
    EXPECT_EQ(TotalNowText(438, 446), "446 with current costs (8 over)");
    EXPECT_EQ(TotalNowText(438, 424), "424 with current costs (14 under)");
    EXPECT_EQ(TotalNowText(438, 438), "438 with current costs (the same)");
    // Costs now that change no line give no second total.
    const CostsNow same = {{FigureNameKey("Orc"), 12}};
    ArmyTally unchanged(&same);
    for (const ArmyUnit &unit : units)
        unchanged.Add(FactsOf(unit));
    EXPECT_FALSE(unchanged.TotalNow());
}

// The bar goes under the first page's heading, in patterns and a legend, and
// takes lines from the first page.
TEST(Roster, PointsBarOnTheFirstPage)
{
    std::vector<ArmyUnit> units = MixedArmy();
    ArmyRoster roster = RosterOf("Host", "438", "500", units, '.');
    const SheetArea area{11906, 16838, 0, 0, 11906, 2 * 567 + 1350 + 5 * 300};
    EXPECT_EQ(RosterPageCount(roster, area.height), 1);
    ArmyTally tally;
    for (const ArmyUnit &unit : units)
        tally.Add(FactsOf(unit));
    roster.bar = ArmyCompositionBar(tally.Composition(), 438, "500", '.');
    EXPECT_EQ(RosterPageCount(roster, area.height), 2);
    SheetRecorder sheet;
    PrintRosterPages(sheet, area, roster, "Arial");
    std::string ops;
    for (const std::string &op : sheet.page.ops)
        ops += op + '\n';
    for (const char *text : {"Normal: 361.5", "other: 25", "Left: 62", "Limit", "Page 1 of 2"})
        EXPECT_NE(ops.find(text), std::string::npos) << text;
    EXPECT_GT(std::count(ops.begin(), ops.end(), '\n'), 100);
}

} // namespace
} // namespace tarvello
