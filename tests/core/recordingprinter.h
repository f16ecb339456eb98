#pragma once

#include "print/printerpage.h"

#include <functional>
#include <string>
#include <vector>

// An IPrinterPage for tests: records every call with the font and position in
// force and measures text with simple, exact metrics (overridable). A test can
// make chosen calls fail with RuntimeError("Printer failure").
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
        FontName, FontBold, FontSize, FontItalic, TextWidth, TextHeight, SetX, SetY, Print,
        NewPage, EndDoc, KillDoc
    };
    // One call: its text or number and the state before it took effect.
    struct Call
    {
        Op op;
        std::string text;
        double value;
        Font font;
        double x;
        double y;
        int page;
    };
    using Metric = std::function<double(const std::string &, const Font &)>;

    // Default width: 10 twips per character and point (12 bold); default
    // height: 24 twips per point.
    Metric widthOf;
    Metric heightOf;
    double pageHeight = 14400;
    std::function<bool(Op, const std::string &)> failWhen;
    std::vector<Call> calls;

    // The Print calls in order.
    std::vector<Call> prints() const;
    // One line per print: "page y x size [bold] [italic] face|text".
    std::string listing() const;
    int count(Op op) const;

    void SetFontName(const std::string &face) override;
    void SetFontBold(bool bold) override { record(Op::FontBold, {}, bold); m_font.bold = bold; }
    void SetFontSize(float pt) override { record(Op::FontSize, {}, pt); m_font.size = pt; }
    void SetFontItalic(bool on) override { record(Op::FontItalic, {}, on); m_font.italic = on; }
    double TextWidth(const std::string &text) override;
    double TextHeight(const std::string &text) override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { record(Op::SetX, {}, x); m_x = x; }
    void SetCurrentY(double y) override { record(Op::SetY, {}, y); m_y = y; }
    double ScaleHeight() const override { return pageHeight; }
    void Print(const std::string &text) override;
    void NewPage() override { record(Op::NewPage); ++m_page; m_x = m_y = 0; }
    void EndDoc() override { record(Op::EndDoc); }
    void KillDoc() override { record(Op::KillDoc); }

private:
    void record(Op op, const std::string &text = {}, double value = 0);
    double height(const std::string &text) const;

    Font m_font;
    double m_x = 0;
    double m_y = 0;
    int m_page = 1;
};
