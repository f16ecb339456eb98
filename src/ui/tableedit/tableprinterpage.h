#pragma once

#include "print/printerpage.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The printer page of the table printout over a QPrinter: twips are turned
// into the printer's dots. Painting starts with the first print; a printer
// that cannot start a job fails there.
class TablePrinterPage : public tarvello::IPrinterPage
{
public:
    explicit TablePrinterPage(QPrinter &printer);
    ~TablePrinterPage() override;

    void SetFontName(const std::string &face) override;
    void SetFontBold(bool bold) override;
    void SetFontSize(float points) override;
    void SetFontItalic(bool italic) override;
    double TextWidth(const std::string &text) override;
    double TextHeight(const std::string &text) override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double ScaleHeight() const override;
    void Print(const std::string &text) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;

private:
    void begin();
    double dotsToTwipsX(double dots) const;
    double dotsToTwipsY(double dots) const;

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    bool m_started = false;
};
