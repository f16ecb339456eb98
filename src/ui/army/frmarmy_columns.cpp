// The army editor's list columns: they share the list's width, so that at
// the window's own size every column shows without scrolling sideways, and
// their headers wrap onto a second line.
#include "frmarmy.h"
#include "platform/eventhooks.h"
#include "ui_frmarmy.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>
#include <climits>
#include <numeric>

namespace tarvello {

namespace {

// A header two lines high, so that a narrow column's caption wraps.
class WrappingHeader : public QHeaderView
{
public:
    explicit WrappingHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setDefaultAlignment(
            Qt::Alignment::fromInt(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap));
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        size.rheight() += fontMetrics().lineSpacing();
        return size;
    }
};

// What a column asks for: the room of its header's longest word, and the
// room of its widest text.
struct Need
{
    int caption;
    int text;
};

Need neededWidth(const QTreeWidget *list, int column)
{
    const QHeaderView *header = list->header();
    const QFontMetrics metrics = header->fontMetrics();
    int caption = 0;
    for (const QString &word : list->headerItem()->text(column).split(QLatin1Char(' ')))
        caption = qMax(caption, metrics.horizontalAdvance(word));
    caption += 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    const QAbstractItemView *view = list;
    return {caption, view->sizeHintForColumn(column)};
}

// The widest give way first: each gets what it asks up to a limit, the
// largest limit the room allows.
QList<int> shareRoom(const QList<int> &asked, int room)
{
    QList<int> sorted = asked;
    std::sort(sorted.begin(), sorted.end());
    int limit = INT_MAX;
    int left = room;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const auto others = int(sorted.size() - i);
        if (sorted[i] * others > left) {
            limit = qMax(0, left / others);
            break;
        }
        left -= sorted[i];
    }
    QList<int> given;
    for (const int width : asked)
        given.append(qMin(width, limit));
    return given;
}

// The captions first, then the texts share what is left; the last column
// takes the rest of the width.
void fitColumns(QTreeWidget *list)
{
    const int room = list->viewport()->width();
    if (room <= 0)
        return;
    QList<int> captions;
    QList<int> more;
    for (int column = 0; column < list->columnCount(); ++column) {
        const Need need = neededWidth(list, column);
        captions.append(need.caption);
        more.append(qMax(0, need.text - need.caption));
    }
    const int captionRoom = std::accumulate(captions.begin(), captions.end(), 0);
    QList<int> widths = shareRoom(captions, room);
    if (captionRoom < room) {
        const QList<int> texts = shareRoom(more, room - captionRoom);
        for (qsizetype i = 0; i < widths.size(); ++i)
            widths[i] += texts[i];
    }
    for (int column = 0; column < list->columnCount(); ++column)
        list->setColumnWidth(column, widths[column]);
}

} // namespace

void frmArmy::setUpColumns()
{
    for (QTreeWidget *list : {m_ui->lvwUnits, m_ui->lvwSelectedUnits}) {
        auto *header = new WrappingHeader(list);
        list->setHeader(header);
        header->setMinimumSectionSize(list->fontMetrics().horizontalAdvance(QStringLiteral("xx")));
        header->setStretchLastSection(true);
        watchResizes(list->viewport(), this, [list] {
            fitColumns(list);
            return true;
        });
    }
}

} // namespace tarvello
