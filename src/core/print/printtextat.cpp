#include "printtextat.h"

#include "platform/numbers.h"
#include "printerpage.h"

namespace tarvello {

void PrintTextAt(IPrinterPage &printer, std::int32_t x, std::int32_t &y, const std::string &text,
                 const std::string &fontName, std::int32_t fontSize, bool bold, std::int16_t align,
                 bool italic)
{
    if (!fontName.empty())
        printer.SetFontName(fontName);
    printer.SetFontBold(bold);
    printer.SetFontSize(static_cast<float>(fontSize));
    printer.SetFontItalic(italic);

    double left = x;
    if (align == kAlignCentre) {
        const double w = RoundHalfEven(printer.TextWidth(text));
        // Whole-number division truncates toward zero.
        left = x - static_cast<double>(static_cast<long long>(w) / 2);
    } else if (align == kAlignRight) {
        left = RoundHalfEven(x - printer.TextWidth(text));
    }
    printer.SetCurrentX(left);
    printer.SetCurrentY(y);

    if (printer.ScaleHeight() < printer.CurrentY() + printer.TextHeight(text)) {
        printer.NewPage();
        printer.SetCurrentY(kPageTop);
        printer.SetCurrentX(left);
        y = kPageTop;
    }
    printer.Print(text);
}

} // namespace tarvello
