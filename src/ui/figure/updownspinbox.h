#pragma once

#include <QSpinBox>

#include <limits>

namespace tarvello {

// A spinner shown as its arrow buttons only: it sits beside the text field it
// is bound to, which shows the number, so its own text stays hidden.
class UpDownSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit UpDownSpinBox(QWidget *parent = nullptr);

    // The Up, Down, Page Up and Page Down keys in field step this spinner,
    // and so does the mouse wheel over field or the arrows while field has
    // the keyboard focus (else the wheel scrolls what holds them).
    void bindField(QWidget *field);
    // Steps of more than one (Page Up and Down, a wheel turn of several
    // notches) stop at floor on their way down: only a single step goes
    // below it.
    void setCoarseStepFloor(int floor) { m_coarseFloor = floor; }

    void stepBy(int steps) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Steps by a wheel turn; false when the field has not the focus.
    bool wheelStep(const QWheelEvent &event);

    QWidget *m_field = nullptr;
    int m_coarseFloor = std::numeric_limits<int>::min();
    // Wheel movement not yet worth a whole step (fine-grained wheels).
    int m_wheelRest = 0;
};

} // namespace tarvello
