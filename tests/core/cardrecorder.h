#pragma once

#include "card/drawtarget.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

// A card drawing target that records every operation as one line of text.
// Text measures are made up so that they can be worked out by hand: a text is
// size x 10 twips per character wide and size x 20 twips high.
namespace tarvello::cardtest {

class CardRecorder : public ICardTarget
{
public:
    explicit CardRecorder(bool printer = false, double pixelTwips = 15)
        : m_printer(printer), m_pixel(pixelTwips) {}

    std::vector<std::string> ops;
    // A font name that cannot be set.
    std::string badFont = "Missing";

    bool IsPrinter() const override { return m_printer; }
    double PixelTwips() const override { return m_pixel; }
    void Clear() override { ops.push_back("clear"); }
    void SetFont(const std::string &name, int size, bool, bool) override
    {
        if (name == badFont)
            throw std::runtime_error("no such font");
        m_size = size;
        m_font = name;
    }
    double TextWidth(std::string_view text) override { return double(text.size()) * m_size * 10; }
    double TextHeight(std::string_view) override { return m_size * 20.0; }
    void SetCursor(double x, double y) override { m_x = x; m_y = y; }
    void Print(std::string_view text) override
    {
        ops.push_back("text " + N(m_x) + "," + N(m_y) + " " + m_font + std::to_string(m_size)
                      + " [" + std::string(text) + "]");
    }
    void SetLineWidth(int pixels) override { ops.push_back("width " + std::to_string(pixels)); }
    void Line(double x1, double y1, double x2, double y2) override
    {
        ops.push_back("line " + N(x1) + "," + N(y1) + " " + N(x2) + "," + N(y2));
    }
    void Box(double x1, double y1, double x2, double y2) override
    {
        ops.push_back("box " + N(x1) + "," + N(y1) + " " + N(x2) + "," + N(y2));
    }
    void DrawPicture(CardPicture picture, double x, double y, double w, double h) override
    {
        static const char *const kNames[] = {"figure", "logo", "credit"};
        ops.push_back(std::string("picture ") + kNames[int(picture)] + " " + N(x) + "," + N(y)
                      + " " + N(w) + "x" + N(h));
    }

    // The texts printed, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const std::string &op : ops) {
            const std::size_t open = op.find('[');
            if (op.rfind("text ", 0) == 0 && open != std::string::npos)
                texts.push_back(op.substr(open + 1, op.size() - open - 2));
        }
        return texts;
    }

private:
    static std::string N(double v)
    {
        std::ostringstream out;
        out << v;
        return out.str();
    }

    bool m_printer;
    double m_pixel;
    std::string m_font;
    int m_size = 0;
    double m_x = 0;
    double m_y = 0;
};

} // namespace tarvello::cardtest
