// PrintTextAt on a recording printer: fonts, alignment and page breaks.
#include "print/printtextat.h"
#include "recordingprinter.h"

#include <gtest/gtest.h>

using namespace tarvello;
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
