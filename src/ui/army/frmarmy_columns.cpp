// The army editor's list columns: each as wide as its texts, refitted when
// the list's width or rows change; their headers wrap onto a second line.
#include "frmarmy.h"
#include "platform/eventhooks.h"
#include "ui_frmarmy.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>


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

// Each column as wide as its widest text (at most a third of the list) and
// never narrower than its header's longest word: names show whole, and a
// list narrower than its columns scrolls sideways rather than cut every
// text short. The last column takes the width left over.
void fitColumns(QTreeWidget *list)
{
    const int room = list->viewport()->width();
    if (room <= 0)
        return;
    const int gap = list->fontMetrics().horizontalAdvance(QStringLiteral("  "));
    for (int column = 0; column < list->columnCount(); ++column) {
        const Need need = neededWidth(list, column);
        list->setColumnWidth(column, qMax(need.caption, qMin(need.text + gap, room / 3)));
    }
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
        // Rows come and go in bursts (a scan, a find): one refit after them.
        auto *refit = new QTimer(list);
        refit->setSingleShot(true);
        connect(refit, &QTimer::timeout, list, [list] { fitColumns(list); });
        const auto later = [refit] { refit->start(0); };
        QAbstractItemModel *rows = list->model();
        connect(rows, &QAbstractItemModel::rowsInserted, refit, later);
        connect(rows, &QAbstractItemModel::rowsRemoved, refit, later);
        connect(rows, &QAbstractItemModel::dataChanged, refit, later);
        connect(rows, &QAbstractItemModel::modelReset, refit, later);
    }
}

} // namespace tarvello
