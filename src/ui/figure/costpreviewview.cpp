#include "costpreviewview.h"
#include "costdeltadelegate.h"
#include "frmfigure.h"
#include "ui_frmfigure.h"

#include "figure/costbreakdown.h"
#include "figure/costsources.h"
#include "figure/figuremodel.h"
#include "platform/pointsbarview.h"
#include "platform/uitext.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace tarvello {

namespace {

const char *const kPreviewHeader = QT_TRANSLATE_NOOP("tarvello::CostPreviewView", "+Pts");

// The cell or entry texts of one preview: the delta, and the tool tip that
// tells the cost it leads to, or why there is none.
std::pair<QString, QString> previewTexts(const CostPreview &preview,
                                         const CostPreviewer &previewer,
                                         const char *doing)
{
    if (!preview.delta)
        return {QString(), coreMessage(fromFileText(preview.reason.Message()))};
    return {QString::fromUtf8(CostDeltaText(*preview.delta)),
            CostPreviewView::tr("%1 makes the Final Cost %2 (now %3).")
                .arg(CostPreviewView::tr(doing), fromFileText(preview.finalCost),
                     fromFileText(previewer.Now().txtFinalCost))};
}

// The "+Pts" column after the row's own, shown right after the name so that
// a narrow list shows each row's name and price; the Notes, shown last, take
// what the other columns leave.
int addPreviewColumn(QTreeWidget *list)
{
    const int column = list->columnCount();
    list->setColumnCount(column + 1);
    QTreeWidgetItem *header = list->headerItem();
    header->setText(column, CostPreviewView::tr(kPreviewHeader));
    header->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    header->setToolTip(column, CostPreviewView::tr("Points the Final Cost would change by with the row added"));
    QHeaderView *view = list->header();
    view->setStretchLastSection(false);
    view->setSectionResizeMode(column - 1, QHeaderView::Stretch);
    view->setSectionResizeMode(column, QHeaderView::Fixed);
    view->resizeSection(column, view->minimumSectionSize());
    view->moveSection(view->visualIndex(column), 1);
    return column;
}

// The narrowest column of a list: the "+Pts" column's width, as narrow as its
// header or three digits and a sign (a wider delta is cut short; its tool tip
// tells the cost in full). Short number columns may be as narrow, so that
// every column of the lists still fits a screen 1366 wide.
void narrowColumns(QTreeWidget *list)
{
    const int widest = std::max(QFontMetrics(list->header()->font()).horizontalAdvance(CostPreviewView::tr(kPreviewHeader)),
                                list->fontMetrics().horizontalAdvance(QStringLiteral("\u2212000")));
    list->header()->setMinimumSectionSize(widest + 6);
}

// The rows of view in sight, first to last (last < first when none): no more
// than its viewport can hold, even before it is laid out.
std::pair<int, int> rowsInView(const QAbstractItemView *view, int count)
{
    const int height = view->viewport()->height();
    if (height <= 0 || count <= 0)
        return {0, -1};
    const QModelIndex top = view->indexAt(QPoint(0, 0));
    const QModelIndex bottom = view->indexAt(QPoint(0, height - 1));
    const int first = top.isValid() ? top.row() : 0;
    const int most = first + height / std::max(1, view->fontMetrics().height());
    return {first, std::min({bottom.isValid() ? bottom.row() : count - 1, most, count - 1})};
}

} // namespace

CostPreviewView::CostPreviewView(frmFigure &window, const RulesTables &tables)
    : m_window(window)
    , m_tables(tables)
{
    m_lists.reserve(3);
    m_choices.reserve(6);
    for (const frmFigure::SeriesWidgets &series : window.seriesWidgets()) {
        QTreeWidget *list = series.available;
        narrowColumns(list);
        narrowColumns(series.selected);
        const std::size_t index = m_lists.size();
        m_lists.push_back({list, series.series, addPreviewColumn(list), {}});
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, index] { showRows(m_lists[index]); });
        list->viewport()->installEventFilter(this);
    }
    Ui::frmFigure &ui = *window.ui();
    const std::pair<QComboBox *, Choice FigureInputs::*> boxes[] = {
        {ui.cboFigureType, &FigureRecord::cboFigureType},
        {ui.cboTrainingLevel, &FigureRecord::cboTrainingLevel},
        {ui.cboRace, &FigureRecord::cboRace},
        {ui.cboArmorType, &FigureRecord::cboArmorType},
        {ui.cboMove, &FigureRecord::cboMove},
        {ui.cboCommandSkill, &FigureRecord::cboCommandSkill}};
    for (const auto &[box, choice] : boxes) {
        QAbstractItemView *view = box->view();
        view->setItemDelegate(new CostDeltaDelegate(view->itemDelegate(), box));
        view->installEventFilter(this);
        const std::size_t index = m_choices.size();
        m_choices.push_back({box, choice, {}, {}});
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, index] { showDeltas(m_choices[index]); });
    }
    // A click on a weapon's or item's part is a click on its selected row.
    connect(ui.picCostBreakdown, &PointsBarView::partClicked, this,
            [&window](FigureSeries series, int row) {
                for (const frmFigure::SeriesWidgets &widgets : window.seriesWidgets()) {
                    QTreeWidgetItem *item = widgets.series == series
                                                ? widgets.selected->topLevelItem(row)
                                                : nullptr;
                    if (!item)
                        continue;
                    widgets.selected->setCurrentItem(item);
                    widgets.selected->scrollToItem(item);
                    emit widgets.selected->itemClicked(item, 0);
                }
            });
}

void CostPreviewView::show(const FigureModel &model)
{
    m_model = &model;
    ++m_revision;
    m_previewer.emplace(model.Record(), m_tables);
    for (ListPreview &list : m_lists)
        showRows(list);
    for (ChoicePreview &choice : m_choices) {
        fitPopup(choice);
        showDeltas(choice);
    }
    showSources();
}

bool CostPreviewView::eventFilter(QObject *watched, QEvent *event)
{
    // A list shows more rows, or a drop-down opens: preview what is seen.
    if (event->type() == QEvent::Resize) {
        for (ListPreview &list : m_lists) {
            if (watched == list.list->viewport())
                showRows(list);
        }
    } else if (event->type() == QEvent::Show) {
        for (ChoicePreview &choice : m_choices) {
            if (watched == choice.box->view())
                showDeltas(choice);
        }
    }
    return QObject::eventFilter(watched, event);
}

void CostPreviewView::showRows(ListPreview &preview)
{
    if (!m_previewer)
        return;
    QTreeWidget *list = preview.list;
    const std::vector<ListRow> &rows = AvailableRows(m_model->Available(), preview.series);
    const int count = std::min(list->topLevelItemCount(), int(rows.size()));
    if (preview.shownFor.size() != std::size_t(count))
        preview.shownFor.assign(std::size_t(count), 0);
    const auto [first, last] = rowsInView(list, count);
    for (int row = first; row <= last; ++row) {
        std::uint64_t &shownFor = preview.shownFor[std::size_t(row)];
        if (shownFor == m_revision)
            continue;
        shownFor = m_revision;
        const auto [text, tip] = previewTexts(
            m_previewer->Add(preview.series, rows[std::size_t(row)]), *m_previewer, QT_TR_NOOP("Adding it"));
        QTreeWidgetItem *item = list->topLevelItem(row);
        item->setTextAlignment(preview.column, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(preview.column, text);
        item->setToolTip(preview.column, tip);
    }
}

void CostPreviewView::showDeltas(ChoicePreview &preview)
{
    QAbstractItemView *view = preview.box->view();
    if (!m_previewer || !view->isVisible())
        return;
    QAbstractItemModel *entries = preview.box->model();
    const int count = std::min(entries->rowCount(),
                               int(m_model->Entries().Of(preview.choice).size()));
    if (preview.shownFor.size() != std::size_t(count))
        preview.shownFor.assign(std::size_t(count), 0);
    const auto [first, last] = rowsInView(view, count);
    for (int i = first; i <= last; ++i) {
        std::uint64_t &shownFor = preview.shownFor[std::size_t(i)];
        if (shownFor == m_revision)
            continue;
        shownFor = m_revision;
        const auto [text, tip] = previewTexts(m_previewer->Choose(preview.choice, i),
                                              *m_previewer, QT_TR_NOOP("Choosing it"));
        entries->setItemData(entries->index(i, 0),
                             {{kCostDeltaRole, text}, {Qt::ToolTipRole, tip}});
    }
}

// The drop-down is wide enough for its widest entry and a delta beside it.
void CostPreviewView::fitPopup(ChoicePreview &preview)
{
    const std::vector<std::string> &items = m_model->Entries().Of(preview.choice);
    if (items == preview.measuredItems)
        return;
    preview.measuredItems = items;
    QComboBox *box = preview.box;
    const QFontMetrics metrics(box->view()->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QSize entry = box->style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                       QSize(widest, 0), box);
    box->view()->setMinimumWidth(entry.width() + CostDeltaDelegate::deltaWidth(metrics));
}

void CostPreviewView::showSources()
{
    const CostSources sources = ExplainCost(m_model->Record(), *m_previewer,
                                                                m_tables);
    Ui::frmFigure &ui = *m_window.ui();
    const std::pair<QLineEdit *, const std::string *> fields[] = {
        {ui.txtDefenseFactor, &sources.defenseFactor},
        {ui.txtTotalWeaponMultiplier, &sources.totalWeaponMultiplier},
        {ui.txtMoveMultiplier, &sources.moveMultiplier},
        {ui.txtHitPointsCopy, &sources.hitPoints},
        {ui.txtCommandSkillCost, &sources.commandSkill},
        {ui.txtMagicSkillCost, &sources.magicSkill},
        {ui.txtExtraItemsCostCopy, &sources.extraItems},
        {ui.txtCost, &sources.cost},
        {ui.txtFinalCost, &sources.finalCost}};
    for (const auto &[field, text] : fields)
        field->setToolTip(coreMessage(fromFileText(*text)));
    ui.picCostBreakdown->setBar(BreakDownCost(m_model->Record(), *m_previewer, m_tables));
}

} // namespace tarvello
