#pragma once

#include "print/printerpage.h"

#include <cstdio>
#include <string>
#include <vector>

// A printer page for tests: a character is 6 twips wide per point (a fifth
// more in bold), a line 20 twips high per point; every print is recorded as
// "x,y size[b][i] text", and new pages and the document's end by name.
class ArmyRecordingPrinter : public tarvello::IPrinterPage
{
public:
    explicit ArmyRecordingPrinter(double pageHeight = 15000) : m_height(pageHeight) {}

    std::vector<std::string> log;

    void SetFontName(const std::string &) override {}
    void SetFontBold(bool bold) override { m_bold = bold; }
    void SetFontSize(float points) override { m_size = points; }
    void SetFontItalic(bool italic) override { m_italic = italic; }
    double TextWidth(const std::string &text) override
    {
        return static_cast<double>(text.size()) * 6.0 * m_size * (m_bold ? 1.2 : 1.0);
    }
    double TextHeight(const std::string &) override { return 20.0 * m_size; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double ScaleHeight() const override { return m_height; }
    void Print(const std::string &text) override
    {
        char place[96];
        std::snprintf(place, sizeof place, "%g,%g %g%s%s ", m_x, m_y,
                      static_cast<double>(m_size), m_bold ? "b" : "", m_italic ? "i" : "");
        log.push_back(place + text);
    }
    void NewPage() override { log.push_back("NewPage"); }
    void EndDoc() override { log.push_back("EndDoc"); }
    void KillDoc() override { log.push_back("KillDoc"); }

private:
    bool m_bold = false;
    bool m_italic = false;
    float m_size = 10;
    double m_x = 0;
    double m_y = 0;
    double m_height;
};
