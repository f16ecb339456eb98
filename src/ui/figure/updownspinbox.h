#pragma once

#include <QSpinBox>

namespace tarvello {

// A spinner shown as its arrow buttons only: it sits beside the text field it
// is bound to, which shows the number, so its own text stays hidden.
class UpDownSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit UpDownSpinBox(QWidget *parent = nullptr);

    // The Up, Down, Page Up and Page Down keys and the mouse wheel in field
    // step this spinner.
    void bindField(QWidget *field);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_field = nullptr;
    // Wheel movement not yet worth a whole step (fine-grained wheels).
    int m_wheelRest = 0;
};

} // namespace tarvello
