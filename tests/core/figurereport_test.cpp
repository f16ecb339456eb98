// The figure report: printed layout (as recorded by a printer) and export
// text, compared with golden files.
#include "figure/figurereport.h"
#include "platform/fileio.h"
#include "recordingprinter.h"

#include <gtest/gtest.h>

using namespace tarvello;
using Op = RecordingPrinter::Op;

namespace {

const std::string kGolden = std::string(TARVELLO_TEST_DATA_DIR) + "/figurereport/";

FigureReportData Attributes(ShownChoice type, ShownChoice level, const std::string &skill)
{
    FigureReportData d;
    d.txtFigureName = "Stone Warden";
    d.txtFinalCost = "142";
    d.cboFigureType = std::move(type);
    d.cboRace = "Dwarf";
    d.cboTrainingLevel = std::move(level);
    d.cboCommandSkill = skill;
    d.cboArmorType = "Chain";
    d.txtBaseHitFactor = "7";
    d.txtRaceHitFactorModifier = "1";
    d.txtAdjustHitFactor = "-1";
    d.txtAdjustedHitFactor = "7";
    d.txtHitPoints = "3";
    d.txtBaseMorale = "6";
    d.cboMove = "Foot";
    d.txtMove = "6";
    return d;
}

// No weapons, no items, command skill "None", both optional costs used.
FigureReportData Plain()
{
    FigureReportData d = Attributes({"Normal", 0}, {"Green", 0}, "None");
    d.chkUseOptionalMovement = true;
    d.chkOptionalRangeCost = true;
    return d;
}

// A vehicle with command skill "none" and only the optional range cost.
FigureReportData Vehicle()
{
    FigureReportData d = Attributes({"Vehicle", 3}, {"Good", 1}, "none");
    d.lvwMeleeWeaponsSelected = {{"Ram", "8", "Crushing"}};
    d.chkOptionalRangeCost = true;
    return d;
}

// A master mage with every kind of row: the shots texts and the long names.
FigureReportData BattleMage()
{
    FigureReportData d = Attributes({"BattleMage", 4}, {"Master", 2}, "");
    d.lvwMeleeWeaponsSelected = {{"Staff", "4", ""}, {"Dagger", "3", "Thrown"}};
    d.lvwMissileWeaponsSelected = {
        {"Bow", "4", "1", "6", "12", "0", "a"},  {"Sling", "3", "1", "4", "8", "20", "b"},
        {"Dart", "2", "1", "2", "4", "-3", "c"}, {"Net", "0", "2", "1", "2", "", "d"},
        {"Javelin", "5", "1", "3", "6", "5", "e"}, {"Crossbow", "6", "1", "8", "16", "25", "f"},
    };
    d.lvwExtraItemsSelected = {
        {"Amulet of the Twenty", "10", "", "", "", "", "20 characters"},
        {"Everburningtorchlight1", "3", "2", "1", "1", "2", "22 characters, no space"},
        {"Ring of the Frozen North Wind", "25", "6", "2", "4", "8", "29 characters"},
    };
    d.chkUseOptionalMovement = true;
    return d;
}

std::string Golden(const std::string &name)
{
    const std::optional<std::string> bytes = ReadFileBytes(kGolden + name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or(std::string());
}

struct GoldenCase
{
    const char *name;
    FigureReportData (*data)();
};
const GoldenCase kCases[] = {{"plain", Plain}, {"vehicle", Vehicle}, {"battlemage", BattleMage}};

} // namespace

TEST(FigureReport, PrintsTheLayoutOfTheGoldenListing)
{
    for (const GoldenCase &c : kCases) {
        RecordingPrinter printer;
        ASSERT_TRUE(PrintFigureReport(printer, c.data()).ok()) << c.name;
        EXPECT_EQ(printer.listing(), Golden(std::string(c.name) + ".print.txt")) << c.name;
        EXPECT_EQ(printer.count(Op::EndDoc), 1) << c.name;
        EXPECT_EQ(printer.calls.back().op, Op::EndDoc) << c.name;
        EXPECT_EQ(printer.count(Op::FontName), 0) << c.name;
    }
}

TEST(FigureReport, ExportsTheTextOfTheGoldenFile)
{
    for (const GoldenCase &c : kCases)
        EXPECT_EQ(FigureExportText(c.data()), Golden(std::string(c.name) + ".export.txt"))
            << c.name;
}

TEST(FigureReport, RowsThatDoNotFitContinueAt300OnTheNextPage)
{
    RecordingPrinter printer;
    // Rows from 3300 down no longer fit: the second melee row and the second
    // extra item start new pages.
    printer.pageHeight = 3500;
    ASSERT_TRUE(PrintFigureReport(printer, BattleMage()).ok());
    EXPECT_EQ(printer.listing(), Golden("battlemage_short_pages.print.txt"));
}

TEST(FigureReport, TheCostFollowsTheNameMeasuredInTheBoldTitleFont)
{
    RecordingPrinter printer;
    printer.widthOf = [](const std::string &text, const RecordingPrinter::Font &font) {
        return font.bold && font.size == 20 ? 1000.5 : text.size() * 100.0;
    };
    ASSERT_TRUE(PrintFigureReport(printer, Plain()).ok());
    const auto printed = printer.printed();
    ASSERT_GE(printed.size(), 2u);
    EXPECT_EQ(printed[1].text, "(142 pts)");
    EXPECT_EQ(printed[1].x, 750 + 1000); // 1000.5 rounds to the even 1000
    EXPECT_FALSE(printed[1].font.bold);
}

TEST(FigureReport, ASpellLineNeedsABattleMageWithATrainingLevel)
{
    struct Case
    {
        ShownChoice type;
        int level;
        const char *spells; // empty: no spell lines
    };
    const Case cases[] = {
        {{"BattleMage", 4}, 0, "Total Spells : 2\tMax Mana : 3\tMana Draw : 1\r\n"
                               "Spell Range Short : 3\tSpell Range Long : 4"},
        {{"BattleMage", 4}, 1, "Total Spells : 4\tMax Mana : 6\tMana Draw : 2\r\n"
                               "Spell Range Short : 4\tSpell Range Long : 5"},
        {{"BattleMage", 4}, -1, ""},
        {{"Hero", 2}, 2, ""},
    };
    for (const Case &c : cases) {
        const std::string text = FigureExportText(Attributes(c.type, {"x", c.level}, "None"));
        const std::size_t at = text.find("Total Spells");
        if (*c.spells == '\0') {
            EXPECT_EQ(at, std::string::npos) << c.level;
        } else {
            ASSERT_NE(at, std::string::npos) << c.level;
            // The spell lines end the text of a figure without lists.
            EXPECT_EQ(text.substr(at), c.spells);
        }
    }
}

TEST(FigureReport, APrinterFailureAbandonsTheJobAndStopsTheReport)
{
    RecordingPrinter printer;
    printer.failWhen = [](Op op, const std::string &text) {
        return op == Op::Print && text == "Hit Points : 3";
    };
    const Status status = PrintFigureReport(printer, Plain());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().Message(), "Error in printing Unit Card!\r\nPrinter failure");
    EXPECT_EQ(printer.count(Op::KillDoc), 1);
    EXPECT_EQ(printer.count(Op::EndDoc), 0);
    EXPECT_EQ(printer.printed().back().text, "Hit Factor : 7");
}
