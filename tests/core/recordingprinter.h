#pragma once

#include "print/printerpage.h"

#include <functional>
#include <string>
#include <vector>

// An IPrinterPage for tests: records every call with the font in force and
// measures text with simple, exact metrics. The reports' tests compare what
// it recorded; a test can also make one call fail.
class RecordingPrinter : public tarvello::IPrinterPage
{
public:
    struct Font
    {
        std::string face = "Default";
        float size = 10;
        bool bold = false;
        bool italic = false;
        bool operator==(const Font &) const = default;
    };

    enum class Op {
        FontName, FontBold, FontSize, FontItalic, TextWidth, TextHeight, SetX, SetY,
        Print, NewPage, EndDoc, KillDoc
    };

    // One call: the operation, its text or number, and the state after it.
    struct Call
    {
        Op op;
        std::string text;   // FontName, TextWidth, TextHeight, Print
        double value = 0;   // FontSize, SetX, SetY, and the measured width/height
        Font font;
        double x = 0;
        double y = 0;
        int page = 1;
    };

    // One printed text: where, on which page, in which font.
    struct Printed
    {
        int page;
        double x;
        double y;
        std::string text;
        Font font;
    };

    // Metrics: the default width is 10 twips per character and point (12
    // when bold); the default height is 24 twips per point (240 at 10 points).
    std::function<double(const std::string &, const Font &)> widthOf;
    std::function<double(const std::string &, const Font &)> heightOf;
    // Height of the printable area (US Letter less half-inch margins).
    double pageHeight = 14400;
    // When it answers true for a call's operation and text, that call throws
    // RuntimeError("Printer failure") instead of being recorded.
    std::function<bool(Op, const std::string &)> failWhen;

    std::vector<Call> calls;

    // The prints in order.
    std::vector<Printed> printed() const;
    // One line per print: "page y x size [bold] [italic] face|text".
    std::string listing() const;
    int pages() const { return m_page; }
    int count(Op op) const;

    void SetFontName(const std::string &face) override;
    void SetFontBold(bool bold) override;
    void SetFontSize(float points) override;
    void SetFontItalic(bool italic) override;
    double TextWidth(const std::string &text) override;
    double TextHeight(const std::string &text) override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override;
    void SetCurrentY(double y) override;
    double ScaleHeight() const override { return pageHeight; }
    void Print(const std::string &text) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;

private:
    void record(Op op, const std::string &text = std::string(), double value = 0);

    Font m_font;
    double m_x = 0;
    double m_y = 0;
    int m_page = 1;
};
