#include "cardrender.h"

#include "platform/twips.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tarvello {

namespace {

constexpr int kPdfDpi = 1200;

} // namespace

QImage CardRender::image(double dpi, bool printer, int lineWidth, bool *fits) const
{
    const double pixel = TwipsPerPixel(dpi);
    QImage card(qRound(CardGeometry::kWidth / pixel),
                qRound(CardGeometry::kHeight / pixel), QImage::Format_RGB32);
    card.setDotsPerMeterX(qRound(DotsPerMetre(dpi)));
    card.setDotsPerMeterY(qRound(DotsPerMetre(dpi)));
    card.fill(Qt::white);
    QPainter painter(&card);
    QtCardTarget target(painter, printer, pictures, lineWidth,
                        printer ? 0 : kLogicalPixelTwips);
    const bool fitted = DrawCard(target, scene);
    if (fits)
        *fits = fitted;
    return card;
}

QByteArray cardPngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray CardRender::png() const
{
    return cardPngBytes(image(kCardImageDpi, true));
}

QByteArray CardRender::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        const QSizeF size(CardGeometry::kWidth / kTwipsPerCm * 10.0,
                          CardGeometry::kHeight / kTwipsPerCm * 10.0);
        writer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        int lineWidth = 1;
        QtCardTarget target(painter, true, pictures, lineWidth);
        DrawCard(target, scene);
    }
    return bytes;
}

} // namespace tarvello
