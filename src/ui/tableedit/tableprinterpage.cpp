#include "tableprinterpage.h"

#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "platform/uitext.h"

#include <QFontMetricsF>
#include <QPrinter>

TablePrinterPage::TablePrinterPage(QPrinter &printer)
    : m_printer(printer)
    , m_font(QFont())
{}

TablePrinterPage::~TablePrinterPage()
{
    if (m_painter.isActive())
        m_painter.end();
}

void TablePrinterPage::begin()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_painter.begin(&m_printer))
        throw tarvello::RuntimeError("Printer error");
}

void TablePrinterPage::SetFontName(const std::string &face)
{
    m_font.setFamily(FromFileText(face));
}

void TablePrinterPage::SetFontBold(bool bold)
{
    m_font.setBold(bold);
}

void TablePrinterPage::SetFontSize(float points)
{
    m_font.setPointSizeF(points > 0 ? points : 1);
}

void TablePrinterPage::SetFontItalic(bool italic)
{
    m_font.setItalic(italic);
}

double TablePrinterPage::dotsToTwipsX(double dots) const
{
    return dots * tarvello::kTwipsPerInch / m_printer.logicalDpiX();
}

double TablePrinterPage::dotsToTwipsY(double dots) const
{
    return dots * tarvello::kTwipsPerInch / m_printer.logicalDpiY();
}

double TablePrinterPage::TextWidth(const std::string &text)
{
    return dotsToTwipsX(QFontMetricsF(m_font, &m_printer).horizontalAdvance(FromFileText(text)));
}

double TablePrinterPage::TextHeight(const std::string &)
{
    return dotsToTwipsY(QFontMetricsF(m_font, &m_printer).height());
}

double TablePrinterPage::ScaleHeight() const
{
    return dotsToTwipsY(m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height());
}

void TablePrinterPage::Print(const std::string &text)
{
    begin();
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, &m_printer);
    const double x = m_x * m_printer.logicalDpiX() / tarvello::kTwipsPerInch;
    const double y = m_y * m_printer.logicalDpiY() / tarvello::kTwipsPerInch;
    m_painter.drawText(QPointF(x, y + metrics.ascent()), FromFileText(text));
    m_y += TextHeight(text);
    m_x = 0;
}

void TablePrinterPage::NewPage()
{
    begin();
    if (!m_printer.newPage())
        throw tarvello::RuntimeError("Printer error");
}

void TablePrinterPage::EndDoc()
{
    begin();
    if (!m_painter.end())
        throw tarvello::RuntimeError("Printer error");
}

void TablePrinterPage::KillDoc()
{
    m_printer.abort();
    if (m_painter.isActive())
        m_painter.end();
}
