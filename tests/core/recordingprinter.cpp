#include "recordingprinter.h"

#include "platform/runtimeerror.h"

#include <algorithm>
#include <sstream>

void RecordingPrinter::record(Op op, const std::string &text, double value)
{
    if (failWhen && failWhen(op, text))
        throw tarvello::RuntimeError("Printer failure");
    calls.push_back({op, text, value, m_font, m_x, m_y, m_page});
}

std::vector<RecordingPrinter::Call> RecordingPrinter::prints() const
{
    std::vector<Call> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
                 [](const Call &call) { return call.op == Op::Print; });
    return result;
}

std::string RecordingPrinter::listing() const
{
    std::ostringstream out;
    for (const Call &p : prints()) {
        out << p.page << ' ' << p.y << ' ' << p.x << ' ' << p.font.size
            << (p.font.bold ? " bold" : "") << (p.font.italic ? " italic" : "") << ' '
            << p.font.face << '|' << p.text << '\n';
    }
    return out.str();
}

int RecordingPrinter::count(Op op) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [op](const Call &call) { return call.op == op; }));
}

void RecordingPrinter::SetFontName(const std::string &face)
{
    record(Op::FontName, face);
    if (!face.empty())
        m_font.face = face;
}

double RecordingPrinter::TextWidth(const std::string &text)
{
    const double width = widthOf ? widthOf(text, m_font)
                                 : double(text.size()) * m_font.size * (m_font.bold ? 12 : 10);
    record(Op::TextWidth, text, width);
    return width;
}

double RecordingPrinter::height(const std::string &text) const
{
    return heightOf ? heightOf(text, m_font) : m_font.size * 24.0;
}

double RecordingPrinter::TextHeight(const std::string &text)
{
    record(Op::TextHeight, text, height(text));
    return height(text);
}

void RecordingPrinter::Print(const std::string &text)
{
    record(Op::Print, text);
    // The position moves to the start of the next line.
    m_x = 0;
    m_y += height(text);
}
