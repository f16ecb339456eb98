#pragma once

#include "print/printerpage.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The printer page of the army report over a QPrinter: twips converted at
// the printer's resolution, the job begun at the first print.
class ArmyPrinterPage : public tarvello::IPrinterPage
{
public:
    explicit ArmyPrinterPage(QPrinter &printer);
    ~ArmyPrinterPage() override;

    void SetFontName(const std::string &face) override;
    void SetFontBold(bool bold) override { m_font.setBold(bold); }
    void SetFontSize(float points) override { m_font.setPointSizeF(points); }
    void SetFontItalic(bool italic) override { m_font.setItalic(italic); }
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
    QPainter &painter();
    double toDevice(double twips) const;
    double toTwips(double pixels) const;

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
};
