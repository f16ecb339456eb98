#include "cardpicturebox.h"

#include <QPainter>

namespace tarvello {

namespace {

constexpr double kInchesPerMetre = 39.37007874;

} // namespace

CardPictureBox::CardPictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardPictureBox::setCardSize(const QSize &pixels)
{
    setFixedSize(pixels);
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    // Point sizes drawn into the image then come out as on the screen.
    m_image.setDotsPerMeterX(qRound(logicalDpiX() * kInchesPerMetre));
    m_image.setDotsPerMeterY(qRound(logicalDpiY() * kInchesPerMetre));
}

void CardPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

} // namespace tarvello
