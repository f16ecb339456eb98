#pragma once

#include "print/printerpage.h"

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <vector>

class QPrinter;

namespace tarvello {

// The printer page over a QPrinter: paper, a PDF file or a print preview,
// whichever the printer stands for. Twips become device units at the
// printer's resolution and texts are Windows-1252 bytes.
//
// The pages are collected and only EndDoc hands them to the printer, so a
// report that fails half-way (KillDoc) leaves no job behind. A printer that
// cannot begin, start a page or finish throws RuntimeError from EndDoc; the
// KillDoc that follows abandons what had begun and removes a half-written
// output file.
class QtPrinterPage : public IPrinterPage
{
public:
    explicit QtPrinterPage(QPrinter &printer);
    ~QtPrinterPage() override;

    void SetFontName(const std::string &face) override;
    void SetFontBold(bool bold) override { m_font.setBold(bold); }
    void SetFontSize(float points) override;
    void SetFontItalic(bool italic) override { m_font.setItalic(italic); }
    double TextWidth(const std::string &text) override;
    double TextHeight(const std::string &text) override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double ScaleHeight() const override;
    void Print(const std::string &text) override;
    void NewPage() override { ++m_page; }
    void EndDoc() override;
    void KillDoc() override;

    // The number of pages begun so far.
    int pageCount() const { return m_page + 1; }

private:
    struct PlacedText
    {
        int page;
        QPointF baseline; // device units
        QFont font;
        QString text;
    };

    double dpiX() const;
    double dpiY() const;
    void replay();

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    int m_page = 0;
    std::vector<PlacedText> m_texts;
};

} // namespace tarvello
