// PrintTextAt on a recording printer: fonts, alignment and page breaks.
#include "print/printtextat.h"
#include "recordingprinter.h"

#include <gtest/gtest.h>

using namespace tarvello;
using Op = RecordingPrinter::Op;

namespace {

void PrintLeft(RecordingPrinter &printer, std::int32_t x, std::int32_t &y, const std::string &text)
{
    PrintTextAt(printer, x, y, text, "", 10, false, kAlignLeft, false);
}

} // namespace

TEST(PrintTextAt, SetsTheWholeFontOnEveryCallAndAnEmptyFaceKeepsTheFace)
{
    RecordingPrinter printer;
    std::int32_t y = 300;
    PrintTextAt(printer, 0, y, "first", "Courier", 20, true, kAlignLeft, true);
    PrintTextAt(printer, 0, y, "second", "", 8, false, kAlignLeft, false);

    const auto printed = printer.printed();
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].font, (RecordingPrinter::Font{"Courier", 20, true, true}));
    EXPECT_EQ(printed[1].font, (RecordingPrinter::Font{"Courier", 8, false, false}));
    // Bold is set before the size, italic last; an empty face is not sent.
    ASSERT_GE(printer.calls.size(), 4u);
    EXPECT_EQ(printer.calls[0].op, Op::FontName);
    EXPECT_EQ(printer.calls[1].op, Op::FontBold);
    EXPECT_EQ(printer.calls[2].op, Op::FontSize);
    EXPECT_EQ(printer.calls[3].op, Op::FontItalic);
    EXPECT_EQ(printer.count(Op::FontName), 1);
}

TEST(PrintTextAt, AlignsWithHalfEvenRoundingAndTruncatingHalves)
{
    struct Case
    {
        double width;
        std::int16_t align;
        double expectedX;
    };
    const Case cases[] = {
        {1001.5, kAlignCentre, 5000 - 501}, // 1001.5 rounds to 1002, halved
        {1000.5, kAlignCentre, 5000 - 500}, // 1000.5 rounds to 1000
        {1003.0, kAlignCentre, 5000 - 501}, // an odd width loses its half
        {1000.5, kAlignRight, 4000},        // 3999.5 rounds to 4000
        {1001.5, kAlignRight, 3998},        // 3998.5 rounds to 3998
        {1001.5, 3, 5000},                  // any other code is left
        {1001.5, kAlignLeft, 5000},
    };
    for (const Case &c : cases) {
        RecordingPrinter printer;
        printer.widthOf = [&c](const std::string &, const RecordingPrinter::Font &) {
            return c.width;
        };
        std::int32_t y = 1000;
        PrintTextAt(printer, 5000, y, "text", "", 10, false, c.align, false);
        ASSERT_EQ(printer.printed().size(), 1u);
        EXPECT_EQ(printer.printed()[0].x, c.expectedX) << c.width << " align " << c.align;
        EXPECT_EQ(y, 1000);
    }
}

TEST(PrintTextAt, BreaksThePageOnceWhenTheTextDoesNotFitBelowY)
{
    struct Case
    {
        const char *what;
        std::int32_t y;
        double textHeight;
        int newPages;
        double printedY;
    };
    // Printable height 14400.
    const Case cases[] = {
        {"fits exactly", 14160, 240, 0, 14160},
        {"one twip too low", 14161, 240, 1, 300},
        {"taller than the page", 1000, 20000, 1, 300},
        {"already past the bottom", 30000, 240, 1, 300},
    };
    for (const Case &c : cases) {
        RecordingPrinter printer;
        printer.heightOf = [&c](const std::string &, const RecordingPrinter::Font &) {
            return c.textHeight;
        };
        std::int32_t y = c.y;
        PrintLeft(printer, 750, y, "cell");
        EXPECT_EQ(printer.count(Op::NewPage), c.newPages) << c.what;
        ASSERT_EQ(printer.printed().size(), 1u);
        EXPECT_EQ(printer.printed()[0].y, c.printedY) << c.what;
        EXPECT_EQ(printer.printed()[0].x, 750) << c.what;
        EXPECT_EQ(printer.printed()[0].page, 1 + c.newPages) << c.what;
        EXPECT_EQ(y, c.newPages ? kPageTop : c.y) << c.what;
    }
}

TEST(PrintTextAt, TheRestOfARowFollowsItsFirstCellOntoTheNewPage)
{
    RecordingPrinter printer;
    std::int32_t y = 14300;
    PrintLeft(printer, 750, y, "first");
    PrintLeft(printer, 3250, y, "second");
    PrintLeft(printer, 5750, y, "third");

    EXPECT_EQ(printer.count(Op::NewPage), 1);
    for (const RecordingPrinter::Printed &p : printer.printed()) {
        EXPECT_EQ(p.page, 2) << p.text;
        EXPECT_EQ(p.y, 300) << p.text;
    }
}
