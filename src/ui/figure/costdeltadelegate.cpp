#include "costdeltadelegate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace tarvello {

namespace {

// The widest delta the room is made for; wider ones are cut short.
const QString kWidestDelta = QStringLiteral("\u22120000");

} // namespace

CostDeltaDelegate::CostDeltaDelegate(QAbstractItemDelegate *inner, QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_inner(inner)
{
}

int CostDeltaDelegate::deltaWidth(const QFontMetrics &metrics)
{
    return metrics.horizontalAdvance(kWidestDelta) + 2 * metrics.averageCharWidth();
}

void CostDeltaDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    if (m_inner)
        m_inner->paint(painter, option, index);
    const QString delta = index.data(kCostDeltaRole).toString();
    if (delta.isEmpty())
        return;
    const QFontMetrics metrics(option.font);
    const QRect room = option.rect.adjusted(0, 0, -metrics.averageCharWidth(), 0);
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(room, Qt::AlignRight | Qt::AlignVCenter,
                      metrics.elidedText(delta, Qt::ElideRight, deltaWidth(metrics)));
    painter->restore();
}

QSize CostDeltaDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = m_inner ? m_inner->sizeHint(option, index) : QSize();
    size.rwidth() += deltaWidth(QFontMetrics(option.font));
    return size;
}

bool CostDeltaDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                  const QStyleOptionViewItem &option, const QModelIndex &index)
{
    return m_inner ? m_inner->helpEvent(event, view, option, index)
                   : QAbstractItemDelegate::helpEvent(event, view, option, index);
}

} // namespace tarvello
