#include "cardimagebox.h"

#include <QPainter>

namespace tarvello {

CardImageBox::CardImageBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardImageBox::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void CardImageBox::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}

} // namespace tarvello
