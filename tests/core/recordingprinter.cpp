#include "recordingprinter.h"

#include "platform/runtimeerror.h"

#include <sstream>

void RecordingPrinter::record(Op op, const std::string &text, double value)
{
    if (failWhen && failWhen(op, text))
        throw tarvello::RuntimeError("Printer failure");
    calls.push_back({op, text, value, m_font, m_x, m_y, m_page});
}

std::vector<RecordingPrinter::Printed> RecordingPrinter::printed() const
{
    std::vector<Printed> result;
    for (const Call &call : calls) {
        if (call.op == Op::Print)
            result.push_back({call.page, call.x, call.y, call.text, call.font});
    }
    return result;
}

std::string RecordingPrinter::listing() const
{
    std::ostringstream out;
    for (const Printed &p : printed()) {
        out << p.page << ' ' << p.y << ' ' << p.x << ' ' << p.font.size
            << (p.font.bold ? " bold" : "") << (p.font.italic ? " italic" : "") << ' '
            << p.font.face << '|' << p.text << '\n';
    }
    return out.str();
}

int RecordingPrinter::count(Op op) const
{
    int n = 0;
    for (const Call &call : calls)
        n += call.op == op ? 1 : 0;
    return n;
}

void RecordingPrinter::SetFontName(const std::string &face)
{
    if (!face.empty())
        m_font.face = face;
    record(Op::FontName, face);
}

void RecordingPrinter::SetFontBold(bool bold)
{
    m_font.bold = bold;
    record(Op::FontBold, std::string(), bold);
}

void RecordingPrinter::SetFontSize(float points)
{
    m_font.size = points;
    record(Op::FontSize, std::string(), points);
}

void RecordingPrinter::SetFontItalic(bool italic)
{
    m_font.italic = italic;
    record(Op::FontItalic, std::string(), italic);
}

double RecordingPrinter::TextWidth(const std::string &text)
{
    const double width = widthOf ? widthOf(text, m_font)
                                 : static_cast<double>(text.size()) * m_font.size
                                       * (m_font.bold ? 12 : 10);
    record(Op::TextWidth, text, width);
    return width;
}

double RecordingPrinter::TextHeight(const std::string &text)
{
    const double height = heightOf ? heightOf(text, m_font) : m_font.size * 24.0;
    record(Op::TextHeight, text, height);
    return height;
}

void RecordingPrinter::SetCurrentX(double x)
{
    m_x = x;
    record(Op::SetX, std::string(), x);
}

void RecordingPrinter::SetCurrentY(double y)
{
    m_y = y;
    record(Op::SetY, std::string(), y);
}

void RecordingPrinter::Print(const std::string &text)
{
    record(Op::Print, text);
    // The position moves to the start of the next line.
    m_x = 0;
    m_y += heightOf ? heightOf(text, m_font) : m_font.size * 24.0;
}

void RecordingPrinter::NewPage()
{
    record(Op::NewPage);
    ++m_page;
    m_x = 0;
    m_y = 0;
}

void RecordingPrinter::EndDoc()
{
    record(Op::EndDoc);
}

void RecordingPrinter::KillDoc()
{
    record(Op::KillDoc);
}
