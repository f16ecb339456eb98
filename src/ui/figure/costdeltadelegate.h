#pragma once

#include <QAbstractItemDelegate>
#include <QPointer>

namespace tarvello {

// The item role holding an entry's cost change ("+12"); empty draws nothing.
inline constexpr int kCostDeltaRole = Qt::UserRole + 1;

// Draws a choice list's drop-down entries with the list's own delegate and,
// right-aligned beside each, the cost change that choosing it would make.
// The entry's text is never altered: it stays the rules table's name.
class CostDeltaDelegate : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    // inner: the delegate the list had, which keeps drawing the entries.
    CostDeltaDelegate(QAbstractItemDelegate *inner, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The room a delta takes beside an entry, in the list's font.
    static int deltaWidth(const QFontMetrics &metrics);

private:
    QPointer<QAbstractItemDelegate> m_inner;
};

} // namespace tarvello
