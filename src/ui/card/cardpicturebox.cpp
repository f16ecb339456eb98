#include "cardpicturebox.h"

#include "platform/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tarvello {

namespace {

constexpr int kWheelNotch = 120;
constexpr int kNudge = 25;
constexpr int kShiftNudge = 100;

int clampLayout(double value)
{
    return int(std::clamp(std::lround(value), 0L, long(kLayoutLimit)));
}

} // namespace

CardPictureBox::CardPictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void CardPictureBox::setCardSize(int widthTwips, int heightTwips)
{
    m_cardTwips = QSize(widthTwips, heightTwips);
    setZoom(m_zoom);
}

void CardPictureBox::setZoom(double zoom)
{
    m_zoom = std::max(0.0, zoom);
    if (m_zoom > 0) {
        setFixedSize(shownSize());
    } else {
        // Fitting: the layout gives the box its size, the card follows.
        setMinimumSize(m_cardTwips * (logicalDpiX() / double(kTwipsPerInch)) / 4);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    emit scaleChanged();
}

// Whole dots per inch, as the card's image keeps them, so that the mouse
// meets the drawing exactly.
double CardPictureBox::pixelsPerTwip() const
{
    double dpi = logicalDpiX() * m_zoom;
    if (m_zoom <= 0 && !m_cardTwips.isEmpty()) {
        dpi = std::min(width() / double(m_cardTwips.width()),
                       height() / double(m_cardTwips.height()))
              * kTwipsPerInch;
    }
    return std::max(1.0, std::floor(dpi + 1e-6)) / kTwipsPerInch;
}

QSize CardPictureBox::shownSize() const
{
    const double scale = pixelsPerTwip();
    return QSize(qRound(m_cardTwips.width() * scale), qRound(m_cardTwips.height() * scale));
}

QImage &CardPictureBox::freshImage()
{
    const double ratio = devicePixelRatioF();
    const QSize shown = shownSize();
    m_image = QImage(qRound(shown.width() * ratio), qRound(shown.height() * ratio),
                     QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    const int dotsPerMetre = qRound(DotsPerMetre(pixelsPerTwip() * kTwipsPerInch));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
    m_image.fill(Qt::white);
    return m_image;
}

void CardPictureBox::setPicture(const CardRect &rect, bool shown)
{
    m_picture = rect;
    m_pictureShown = shown;
}

// On another screen (another pixel ratio or dots per inch) the card is made
// again for it.
bool CardPictureBox::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        setZoom(m_zoom);
    return QWidget::event(event);
}

void CardPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPointF(0, 0), m_image);
}

void CardPictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_zoom <= 0)
        emit scaleChanged();
}

bool CardPictureBox::onPicture(const QPointF &pos) const
{
    const double scale = pixelsPerTwip();
    const double x = pos.x() / scale;
    const double y = pos.y() / scale;
    return m_pictureShown && x >= m_picture.Left && x < m_picture.Left + m_picture.Width
           && y >= m_picture.Top && y < m_picture.Top + m_picture.Height;
}

void CardPictureBox::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton || !onPicture(event->position()))
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragStart = event->position();
    m_dragFrom = m_picture;
    setCursor(Qt::ClosedHandCursor);
}

void CardPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        setCursor(onPicture(event->position()) ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    const QPointF moved = (event->position() - m_dragStart) / pixelsPerTwip();
    const int left = clampLayout(m_dragFrom.Left + moved.x());
    const int top = clampLayout(m_dragFrom.Top + moved.y());
    if (left != m_picture.Left || top != m_picture.Top)
        emit pictureDragged(left, top);
}

void CardPictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    setCursor(onPicture(event->position()) ? Qt::OpenHandCursor : Qt::ArrowCursor);
    emit dragFinished();
}

// "+" (Plus or Equal) and "-" on the main keyboard or the keypad: as the
// picture's "+" and "-" buttons.
bool CardPictureBox::resizeKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers other =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int key = event->key();
    const bool sizing = key == Qt::Key_Plus || key == Qt::Key_Equal || key == Qt::Key_Minus;
    if (other != Qt::NoModifier || !sizing)
        return false;
    emit pictureResized(key != Qt::Key_Minus);
    return true;
}

void CardPictureBox::keyPressEvent(QKeyEvent *event)
{
    if (resizeKey(event))
        return;
    const int step = event->modifiers() & Qt::ShiftModifier ? kShiftNudge : kNudge;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default: return QWidget::keyPressEvent(event);
    }
    if (!m_pictureShown)
        return QWidget::keyPressEvent(event);
    emit pictureNudged(dx, dy);
}

void CardPictureBox::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || !m_pictureShown)
        return QWidget::wheelEvent(event);
    // A wheel that turns in small steps (a touchpad) sizes once per notch.
    m_wheel += event->angleDelta().y();
    while (std::abs(m_wheel) >= kWheelNotch) {
        emit pictureResized(m_wheel > 0);
        m_wheel -= m_wheel > 0 ? kWheelNotch : -kWheelNotch;
    }
    event->accept();
}

} // namespace tarvello
