#include "pointsbarview.h"

#include "uitext.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

#include <utility>

namespace tarvello {

namespace {

QColor colourOf(const BarColour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

PointsBarView::PointsBarView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PointsBarView::setBar(PointsBar bar)
{
    m_bar = std::move(bar);
    setToolTip(coreMessage(fromFileText(m_bar.tip)));
    // As PointsBar::Description, each part's name in the windows' language.
    QStringList parts;
    for (std::size_t i = 0; i < m_bar.parts.size(); ++i)
        parts << coreMessage(fromFileText(m_bar.parts[i].label)) + QStringLiteral(": ")
                     + fromFileText(m_bar.PointsText(i));
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
    update();
}

// Tall enough for a line of text above the strip under the bar.
QSize PointsBarView::sizeHint() const
{
    return {200, fontMetrics().height() * 3 / 2 + 6};
}

QSize PointsBarView::minimumSizeHint() const
{
    return {40, sizeHint().height()};
}

QRectF PointsBarView::barArea() const
{
    return QRectF(rect()).adjusted(2, 2, -2, -2);
}

QRectF PointsBarView::partRect(std::size_t part) const
{
    const QRectF area = barArea();
    const BarRect &r = m_bar.places[part];
    return QRectF(area.left() + r.left * area.width(), area.top() + r.top * area.height(),
                  r.Width() * area.width(), (r.bottom - r.top) * area.height());
}

int PointsBarView::partAt(const QPoint &point) const
{
    const QRectF area = barArea();
    if (area.width() <= 0 || area.height() <= 0)
        return -1;
    return m_bar.PartAt((point.x() - area.left()) / area.width(),
                        (point.y() - area.top()) / area.height());
}

void PointsBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF area = barArea();
    const QColor separator = palette().color(QPalette::Window);
    const QFontMetricsF metrics(font());
    const auto width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(fromFileText(std::string(text)));
    };
    for (const bool overlays : {false, true}) {
        for (std::size_t i = 0; i < m_bar.parts.size(); ++i) {
            if (m_bar.parts[i].overlay != overlays || m_bar.places[i].Width() <= 0)
                continue;
            const QRectF box = partRect(i);
            const SwatchLook look = LookOf(m_bar.parts[i].swatch);
            painter.fillRect(box, colourOf(look.fill));
            painter.setPen(separator);
            painter.drawRect(box);
            // A strip too low for a line of text tells its points when hovered.
            if (box.height() < metrics.height())
                continue;
            const QString caption = fromFileText(m_bar.Caption(i, box.width() - 6, width));
            if (caption.isEmpty())
                continue;
            painter.setPen(colourOf(look.text));
            painter.drawText(box, Qt::AlignCenter, caption);
        }
    }
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    for (const std::optional<double> &at : {m_bar.zeroAt, m_bar.markerAt}) {
        if (!at)
            continue;
        const double x = area.left() + *at * area.width();
        painter.drawLine(QPointF(x, rect().top()), QPointF(x, rect().bottom()));
    }
}

bool PointsBarView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int part = partAt(help->pos());
        const QString tip = part >= 0 ? coreMessage(fromFileText(m_bar.parts[std::size_t(part)].tip))
                                      : toolTip();
        QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void PointsBarView::mousePressEvent(QMouseEvent *event)
{
    const int part = partAt(event->position().toPoint());
    if (part >= 0 && m_bar.parts[std::size_t(part)].row >= 0)
        emit partClicked(m_bar.parts[std::size_t(part)].series, m_bar.parts[std::size_t(part)].row);
    QWidget::mousePressEvent(event);
}

} // namespace tarvello
