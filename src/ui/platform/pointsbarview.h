#pragma once

#include "figure/pointsbar.h"

#include <QWidget>

namespace tarvello {

// Paints a points bar the core laid out: each part in its colour with its
// caption where it fits, the limit's mark and zero; hovering a part tells its
// tip, the rest of the bar the bar's tip. The accessible description lists
// the parts ("label: points; ..."). A click on a part that stands for a list
// row is forwarded.
class PointsBarView : public QWidget
{
    Q_OBJECT

public:
    explicit PointsBarView(QWidget *parent = nullptr);

    void setBar(PointsBar bar);
    const PointsBar &bar() const { return m_bar; }
    // The part under a point of the widget, -1 for none.
    int partAt(const QPoint &point) const;
    // Where a part is drawn.
    QRectF partRect(std::size_t part) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A click on a part that stands for row of the series' selected list.
    void partClicked(tarvello::FigureSeries series, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRectF barArea() const;

    PointsBar m_bar;
};

} // namespace tarvello
