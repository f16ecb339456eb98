#include "figure/figurereport.h"
#include "platform/fileio.h"
#include "print/printtextat.h"
#include "recordingprinter.h"
#include "testfolder.h"

#include <gtest/gtest.h>



namespace tarvello {
namespace {

// PrintTextAt on a recording printer: fonts, alignment and page breaks.

using Op = RecordingPrinter::Op;

TEST(PrintTextAt, SetsTheWholeFontOnEveryCallAndAnEmptyFaceKeepsTheFace)
{
    RecordingPrinter printer;
    std::int32_t y = 300;
    PrintTextAt(printer, 0, y, "first", "Courier", 20, true, kAlignLeft, true);
    PrintTextAt(printer, 0, y, "second", "", 8, false, kAlignLeft, false);
    ASSERT_EQ(printer.prints().size(), 2u);
    EXPECT_EQ(printer.prints()[0].font, (RecordingPrinter::Font{"Courier", 20, true, true}));
    EXPECT_EQ(printer.prints()[1].font, (RecordingPrinter::Font{"Courier", 8, false, false}));
    // Face, then bold before size, italic last; an empty face is not sent.
    const Op order[] = {Op::FontName, Op::FontBold, Op::FontSize, Op::FontItalic};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(printer.calls[i].op, order[i]);
    EXPECT_EQ(printer.count(Op::FontName), 1);
}

TEST(PrintTextAt, AlignsWithHalfEvenRoundingAndTruncatingHalves)
{
    // {measured width, alignment code, x the text starts at}, anchor 5000.
    const std::tuple<double, std::int16_t, double> cases[] = {
        {1001.5, kAlignCentre, 4499}, // 1001.5 rounds to 1002, halved
        {1000.5, kAlignCentre, 4500}, // 1000.5 rounds to 1000
        {1003.0, kAlignCentre, 4499}, // an odd width loses its half
        {1000.5, kAlignRight, 4000},  // 3999.5 rounds to 4000
        {1001.5, kAlignRight, 3998},  // 3998.5 rounds to 3998
        {1001.5, 3, 5000},            // any other code is left
    };
    for (const auto &[width, align, expectedX] : cases) {
        RecordingPrinter printer;
        printer.widthOf = [w = width](const std::string &, const RecordingPrinter::Font &) {
            return w;
        };
        std::int32_t y = 1000;
        PrintTextAt(printer, 5000, y, "text", "", 10, false, align, false);
        EXPECT_EQ(printer.prints().at(0).x, expectedX) << width << " align " << align;
    }
}

TEST(PrintTextAt, BreaksThePageOnceWhenTheTextDoesNotFitAndTheRowFollows)
{
    // {y, text height, new pages}; the printable height is 14400.
    const std::tuple<std::int32_t, double, int> cases[] = {
        {14160, 240, 0},   // ends exactly at the bottom
        {14161, 240, 1},   // one twip too low
        {1000, 20000, 1},  // the first cell is taller than the whole page
        {30000, 240, 1},   // already past the bottom
    };
    for (const auto &[startY, textHeight, newPages] : cases) {
        RecordingPrinter printer;
        printer.heightOf = [h = textHeight](const std::string &text, const RecordingPrinter::Font &) {
            return text == "first" ? h : 240;
        };
        std::int32_t y = startY;
        // The cells of one row share y: the ones after a break follow at 300.
        PrintTextAt(printer, 750, y, "first", "", 10, false, kAlignLeft, false);
        PrintTextAt(printer, 3250, y, "second", "", 10, false, kAlignLeft, false);
        EXPECT_EQ(printer.count(Op::NewPage), newPages) << startY;
        EXPECT_EQ(y, newPages ? kPageTop : startY) << startY;
        for (const RecordingPrinter::Call &p : printer.prints()) {
            EXPECT_EQ(p.y, newPages ? kPageTop : startY) << startY;
            EXPECT_EQ(p.page, 1 + newPages) << startY;
        }
    }
}

// The figure report: its printed layout (as a recording printer sees it) and
// its export text, compared with golden files.



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

} // namespace
} // namespace tarvello
