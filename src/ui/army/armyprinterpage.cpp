#include "armyprinterpage.h"

#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "platform/uitext.h"

#include <QFontMetricsF>
#include <QPrinter>

ArmyPrinterPage::ArmyPrinterPage(QPrinter &printer)
    : m_printer(printer)
    , m_font(QStringLiteral("Arial"), 10)
{}

ArmyPrinterPage::~ArmyPrinterPage()
{
    if (m_painter.isActive())
        m_painter.end();
}

void ArmyPrinterPage::SetFontName(const std::string &face)
{
    m_font.setFamily(FromFileText(face));
}

double ArmyPrinterPage::toDevice(double twips) const
{
    return twips * m_printer.resolution() / tarvello::kTwipsPerInch;
}

double ArmyPrinterPage::toTwips(double pixels) const
{
    return pixels * tarvello::kTwipsPerInch / m_printer.resolution();
}

double ArmyPrinterPage::TextWidth(const std::string &text)
{
    return toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(FromFileText(text)));
}

double ArmyPrinterPage::TextHeight(const std::string &text)
{
    Q_UNUSED(text)
    return toTwips(QFontMetricsF(m_font, &m_printer).height());
}

double ArmyPrinterPage::ScaleHeight() const
{
    return toTwips(m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height());
}

QPainter &ArmyPrinterPage::painter()
{
    if (!m_painter.isActive() && !m_painter.begin(&m_printer))
        throw tarvello::RuntimeError("Printer error");
    return m_painter;
}

void ArmyPrinterPage::Print(const std::string &text)
{
    QPainter &p = painter();
    p.setFont(m_font);
    const QFontMetricsF metrics(m_font, &m_printer);
    p.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), FromFileText(text));
    m_x = 0;
    m_y += toTwips(metrics.height());
}

void ArmyPrinterPage::NewPage()
{
    painter();
    if (!m_printer.newPage())
        throw tarvello::RuntimeError("Printer error");
}

void ArmyPrinterPage::EndDoc()
{
    // A report without a single print still makes its (empty) page.
    painter().end();
}

void ArmyPrinterPage::KillDoc()
{
    m_printer.abort();
    if (m_painter.isActive())
        m_painter.end();
}
