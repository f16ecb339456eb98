#include "cardbitmaps.h"

#include "app_version.h"
#include "platform/modfunctions.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace tarvello {

namespace {

QImage textPicture(const QSize &size, const QString &text, int pixelSize, bool framed)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(framed);
    // The largest size up to pixelSize at which the text fits inside.
    const int room = size.width() - (framed ? 48 : 16);
    int fitted = pixelSize;
    font.setPixelSize(fitted);
    while (fitted > 8 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(fitted -= 2);
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (framed) {
        painter.setPen(QPen(Qt::black, 6));
        painter.drawRoundedRect(QRectF(image.rect()).adjusted(4, 4, -4, -4), 18, 18);
    }
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace

QImage cardLogoImage()
{
    return textPicture(QSize(420, 160), QString::fromLatin1(kProductName).toUpper(),
                       84, true);
}

QImage cardCreditImage()
{
    return textPicture(QSize(600, 100), QStringLiteral("Made with %1")
                                            .arg(QString::fromStdString(AppTitle())),
                       60, false);
}

} // namespace tarvello
