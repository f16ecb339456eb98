#include "qtprinterpage.h"

#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "platform/uitext.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>

namespace tarvello {

namespace {

// The description of a printer that fails.
const char *const kPrinterError = QT_TRANSLATE_NOOP("Core", "Printer error");

} // namespace

QtPrinterPage::QtPrinterPage(QPrinter &printer)
    : m_printer(printer)
    , m_font(QGuiApplication::font().family())
{
    m_font.setPointSizeF(10);
}

QtPrinterPage::~QtPrinterPage()
{
    // A job neither ended nor killed (an exception outside the report) is
    // abandoned too.
    if (m_painter.isActive())
        KillDoc();
}

double QtPrinterPage::dpiX() const
{
    return m_printer.logicalDpiX();
}

double QtPrinterPage::dpiY() const
{
    return m_printer.logicalDpiY();
}

void QtPrinterPage::SetFontName(const std::string &face)
{
    if (!face.empty())
        m_font.setFamily(fromFileText(face));
}

void QtPrinterPage::SetFontSize(float points)
{
    // A size the font cannot take leaves the size as it was.
    if (points > 0)
        m_font.setPointSizeF(points);
}

double QtPrinterPage::TextWidth(const std::string &text)
{
    const QFontMetricsF metrics(m_font, &m_printer);
    return PixelsToTwips(metrics.horizontalAdvance(shownFileText(text)), dpiX());
}

double QtPrinterPage::TextHeight(const std::string &text)
{
    Q_UNUSED(text)
    const QFontMetricsF metrics(m_font, &m_printer);
    return PixelsToTwips(metrics.height(), dpiY());
}

double QtPrinterPage::ScaleHeight() const
{
    return PixelsToTwips(m_printer.height(), dpiY());
}

void QtPrinterPage::Print(const std::string &text)
{
    const QFontMetricsF metrics(m_font, &m_printer);
    const double left = m_x / TwipsPerPixel(dpiX());
    const double top = m_y / TwipsPerPixel(dpiY());
    m_texts.push_back({m_page, QPointF(left, top + metrics.ascent()), m_font, shownFileText(text)});
    m_x = 0;
    m_y += PixelsToTwips(metrics.height(), dpiY());
}

void QtPrinterPage::replay()
{
    if (!m_painter.begin(&m_printer))
        throw RuntimeError(kPrinterError);
    int page = 0;
    for (const PlacedText &placed : m_texts) {
        for (; page < placed.page; ++page) {
            if (!m_printer.newPage())
                throw RuntimeError(kPrinterError);
        }
        m_painter.setFont(placed.font);
        m_painter.drawText(placed.baseline, placed.text);
    }
    // Pages begun after the last text are printed empty.
    for (; page < m_page; ++page) {
        if (!m_printer.newPage())
            throw RuntimeError(kPrinterError);
    }
}

void QtPrinterPage::EndDoc()
{
    replay();
    m_texts.clear();
    if (!m_painter.end())
        throw RuntimeError(kPrinterError);
}

void QtPrinterPage::KillDoc()
{
    m_texts.clear();
    if (!m_painter.isActive())
        return;
    m_printer.abort();
    m_painter.end();
    // A file printer has no spooler to withdraw the job from.
    if (!m_printer.outputFileName().isEmpty())
        QFile::remove(m_printer.outputFileName());
}

} // namespace tarvello
