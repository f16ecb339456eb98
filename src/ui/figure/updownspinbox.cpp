#include "updownspinbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

namespace tarvello {

UpDownSpinBox::UpDownSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    // The bound field takes the keyboard; the arrows are for the mouse.
    lineEdit()->hide();
    lineEdit()->setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize UpDownSpinBox::sizeHint() const
{
    const QSize full = QSpinBox::sizeHint();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), full);
    const QRect up = style()->subControlRect(QStyle::CC_SpinBox, &option,
                                             QStyle::SC_SpinBoxUp, this);
    // The arrows plus the frame on both sides.
    const int frame = full.width() - up.right() - 1;
    return QSize(up.width() + 2 * qMax(frame, 1) + 2, full.height());
}

QSize UpDownSpinBox::minimumSizeHint() const
{
    return sizeHint();
}

void UpDownSpinBox::bindField(QWidget *field)
{
    m_field = field;
    field->installEventFilter(this);
}

bool UpDownSpinBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int steps = 0;
        switch (key->key()) {
        case Qt::Key_Up: steps = 1; break;
        case Qt::Key_Down: steps = -1; break;
        case Qt::Key_PageUp: steps = 10; break;
        case Qt::Key_PageDown: steps = -10; break;
        default: break;
        }
        if (steps != 0) {
            stepBy(steps);
            return true;
        }
    }
    if (watched == m_field && event->type() == QEvent::Wheel && isEnabled())
        return wheelStep(*static_cast<QWheelEvent *>(event));
    return QSpinBox::eventFilter(watched, event);
}

void UpDownSpinBox::wheelEvent(QWheelEvent *event)
{
    if (isEnabled() && wheelStep(*event))
        event->accept();
    else
        event->ignore();
}

bool UpDownSpinBox::wheelStep(const QWheelEvent &event)
{
    // A wheel turned over a window that is being scrolled changes nothing.
    if (!m_field || !m_field->hasFocus())
        return false;
    // One notch of an ordinary wheel is 120; a turn of several is one step.
    constexpr int kNotch = 120;
    m_wheelRest += event.angleDelta().y();
    const int steps = m_wheelRest / kNotch;
    m_wheelRest -= steps * kNotch;
    if (steps != 0)
        stepBy(steps);
    return true;
}

void UpDownSpinBox::stepBy(int steps)
{
    if (steps < -1 && value() + steps < m_coarseFloor)
        steps = value() > m_coarseFloor ? m_coarseFloor - value() : 0;
    if (steps != 0)
        QSpinBox::stepBy(steps);
}

} // namespace tarvello
