// The figure report: its printed layout (as a recording printer sees it) and
// its export text, compared with golden files.
#include "figure/figurereport.h"
#include "platform/fileio.h"
#include "recordingprinter.h"
#include "testfolder.h"

#include <gtest/gtest.h>

using namespace tarvello;
using Op = RecordingPrinter::Op;

namespace {

FigureReportData Figure(ShownChoice type, ShownChoice level, const std::string &skill)
{
    return {"Stone Warden", "142", std::move(type), "Dwarf", std::move(level), skill, "Chain",
            "7", "1", "-1", "7", "3", "6", "Foot", "6", {}, {}, {}, false, false};
}

FigureReportData Plain() // no lists, command skill "None", both optional costs
{
    FigureReportData d = Figure({"Normal", 0}, {"Green", 0}, "None");
    d.chkUseOptionalMovement = d.chkOptionalRangeCost = true;
    return d;
}

FigureReportData Vehicle() // command skill "none", only the optional range cost
{
    FigureReportData d = Figure({"Vehicle", 3}, {"Good", 1}, "none");
    d.lvwMeleeWeaponsSelected = {{"Ram", "8", "Crushing"}};
    d.chkOptionalRangeCost = true;
    return d;
}

FigureReportData BattleMage() // every shots text and name length of interest
{
    FigureReportData d = Figure({"BattleMage", 4}, {"Master", 2}, "");
    d.lvwMeleeWeaponsSelected = {{"Staff", "4", ""}, {"Dagger", "3", "Thrown"}};
    d.lvwMissileWeaponsSelected = {
        {"Bow", "4", "1", "6", "12", "0", "a"},  {"Sling", "3", "1", "4", "8", "20", "b"},
        {"Dart", "2", "1", "2", "4", "-3", "c"}, {"Net", "0", "2", "1", "2", "", "d"},
        {"Javelin", "5", "1", "3", "6", "5", "e"}, {"Crossbow", "6", "1", "8", "16", "25", "f"}};
    d.lvwExtraItemsSelected = {
        {"Amulet of the Twenty", "10", "", "", "", "", "20 characters"},
        {"Everburningtorchlight1", "3", "2", "1", "1", "2", "22 characters, no space"},
        {"Ring of the Frozen North Wind", "25", "6", "2", "4", "8", "29 characters"}};
    d.chkUseOptionalMovement = true;
    return d;
}

const std::pair<const char *, FigureReportData> kCases[] = {
    {"plain", Plain()},
    {"vehicle", Vehicle()},
    {"battlemage", BattleMage()},
    {"apprentice", Figure({"BattleMage", 4}, {"Apprentice", 0}, "None")},
    {"journeyman", Figure({"BattleMage", 4}, {"Journeyman", 1}, "None")},
    {"mage_no_level", Figure({"BattleMage", 4}, {"", -1}, "None")},
};

} // namespace

TEST(FigureReport, PrintsAndExportsAsTheGoldenFilesShow)
{
    for (const auto &[name, data] : kCases) {
        RecordingPrinter printer;
        ASSERT_TRUE(PrintFigureReport(printer, data).ok()) << name;
        ExpectGolden(printer.listing(), "figurereport/" + std::string(name) + ".print.txt");
        EXPECT_EQ(printer.calls.back().op, Op::EndDoc) << name;
        EXPECT_EQ(printer.count(Op::EndDoc), 1) << name;
        EXPECT_EQ(printer.count(Op::FontName), 0) << name; // the printer's own face
        ExpectGolden(FigureExportText(data), "figurereport/" + std::string(name) + ".export.txt");
    }
}

TEST(FigureReport, RowsThatDoNotFitContinueAt300OnTheNextPage)
{
    RecordingPrinter printer;
    // From 3300 down nothing fits: the second melee row and the second extra
    // item start new pages.
    printer.pageHeight = 3500;
    ASSERT_TRUE(PrintFigureReport(printer, BattleMage()).ok());
    ExpectGolden(printer.listing(), "figurereport/battlemage_short_pages.print.txt");
}

TEST(FigureReport, TheCostFollowsTheNameMeasuredInTheBoldTitleFont)
{
    RecordingPrinter printer;
    printer.widthOf = [](const std::string &text, const RecordingPrinter::Font &font) {
        return font.bold && font.size == 20 ? 1000.5 : text.size() * 100.0;
    };
    ASSERT_TRUE(PrintFigureReport(printer, Plain()).ok());
    const RecordingPrinter::Call cost = printer.prints().at(1);
    EXPECT_EQ(cost.text, "(142 pts)");
    EXPECT_EQ(cost.x, 750 + 1000); // 1000.5 rounds to the even 1000
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
    EXPECT_EQ(printer.prints().back().text, "Hit Factor : 7");
}
