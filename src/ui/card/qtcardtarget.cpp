#include "qtcardtarget.h"

#include "platform/runtimeerror.h"
#include "platform/uitext.h"
#include "platform/twips.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace tarvello {

QtCardTarget::QtCardTarget(QPainter &painter, bool printer, const Pictures &pictures,
                           int &lineWidth, double pixelTwips)
    : m_painter(painter)
    , m_printer(printer)
    , m_pictures(pictures)
    , m_lineWidth(lineWidth)
    , m_dpiX(painter.device()->logicalDpiX())
    , m_dpiY(painter.device()->logicalDpiY())
    , m_pixelTwips(pixelTwips > 0 ? pixelTwips : TwipsPerPixel(m_dpiX))
    , m_font(painter.font())
{
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    usePen();
}

double QtCardTarget::PixelTwips() const
{
    return m_pixelTwips;
}

void QtCardTarget::Clear()
{
    QPaintDevice *device = m_painter.device();
    m_painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
}

void QtCardTarget::SetFont(const std::string &name, int size, bool bold, bool italic)
{
    if (name.empty())
        throw RuntimeError(errtext::kInvalidCall);
    QFont font(fromFileText(name));
    font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    m_font = QFont(font, m_painter.device());
    m_painter.setFont(m_font);
}

double QtCardTarget::TextWidth(std::string_view text)
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    return PixelsToTwips(metrics.horizontalAdvance(fromFileText(std::string(text))), m_dpiX);
}

double QtCardTarget::TextHeight(std::string_view)
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    return PixelsToTwips(metrics.height(), m_dpiY);
}

void QtCardTarget::SetCursor(double x, double y)
{
    m_x = x;
    m_y = y;
}

void QtCardTarget::Print(std::string_view text)
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(toX(m_x), toY(m_y) + metrics.ascent()),
                       fromFileText(std::string(text)));
    usePen();
}

void QtCardTarget::SetLineWidth(int pixels)
{
    m_lineWidth = pixels;
    usePen();
}

void QtCardTarget::usePen()
{
    QPen pen(Qt::black);
    pen.setWidthF(qMax(1, m_lineWidth) * m_pixelTwips / TwipsPerPixel(m_dpiX));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void QtCardTarget::Line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(toX(x1), toY(y1)), QPointF(toX(x2), toY(y2)));
}

void QtCardTarget::Box(double x1, double y1, double x2, double y2)
{
    m_painter.drawRect(QRectF(QPointF(toX(x1), toY(y1)), QPointF(toX(x2), toY(y2))).normalized());
}

void QtCardTarget::DrawPicture(CardPicture picture, double x, double y, double width,
                               double height)
{
    const QImage &image = picture == CardPicture::Figure ? m_pictures.figure
                          : picture == CardPicture::Logo ? m_pictures.logo
                                                                   : m_pictures.credit;
    if (image.isNull())
        throw RuntimeError(errtext::kInvalidCall);
    m_painter.drawImage(QRectF(toX(x), toY(y), toX(width), toY(height)), image);
}

bool FontExists(const std::string &name)
{
    const QString family = fromFileText(name);
    const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

} // namespace tarvello
