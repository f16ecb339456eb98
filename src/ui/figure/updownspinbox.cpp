#include "updownspinbox.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

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
