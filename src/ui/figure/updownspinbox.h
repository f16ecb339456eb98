#pragma once

#include <QSpinBox>

// A spinner shown as its arrow buttons only: it sits beside the text field it
// is bound to, which shows the number, so its own text stays hidden.
class UpDownSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit UpDownSpinBox(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
