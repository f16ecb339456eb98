// The army editor's aids to finding a figure (the filter box, sorting by a
// column, Enter to add) and its points limit.

#include "frmarmy.h"
#include "ui_frmarmy.h"

#include "army/armymodel.h"
#include "army/armypoints.h"
#include "army/figurefilter.h"
#include "platform/uitext.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace tarvello {

namespace {

// The colour of a warning text (the total is over the limit): a dark red on
// a light window, a light red on a dark one.
QColor warningColour(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(0xFF, 0x70, 0x70)
                                                              : QColor(0xC0, 0x10, 0x10);
}

const char *const kNotScanned = QT_TRANSLATE_NOOP("tarvello::frmArmy", "Press Refresh to list the figures in this folder");
const char *const kNoFigures = QT_TRANSLATE_NOOP("tarvello::frmArmy", "No figure files in this folder");

} // namespace

void frmArmy::connectFinding()
{
    QHeaderView *header = m_ui->lvwUnits->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, &frmArmy::sortAvailable);
    connect(m_ui->txtFilter, &QLineEdit::textChanged, this, &frmArmy::showAvailable);
    // Typing part of a name and Enter adds the figure found.
    connect(m_ui->txtFilter, &QLineEdit::returnPressed, m_ui->btnAddUnits, &QPushButton::click);
    m_ui->lvwUnits->installEventFilter(this);
    // Over the list's rows, not one of them: it takes no clicks.
    QWidget *rows = m_ui->lvwUnits->viewport();
    m_availableHint = new QLabel(rows);
    m_availableHint->setObjectName(QStringLiteral("lblAvailableHint"));
    m_availableHint->setAlignment(Qt::AlignCenter);
    m_availableHint->setWordWrap(true);
    m_availableHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_availableHint->setForegroundRole(QPalette::PlaceholderText);
    auto *layout = new QVBoxLayout(rows);
    layout->addWidget(m_availableHint);
    QFont bold = m_ui->lblPointsLeft->font();
    bold.setPointSize(12);
    bold.setBold(true);
    m_ui->lblPointsLeft->setFont(bold);
}

bool frmArmy::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->lvwUnits && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui->btnAddUnits->click();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

int frmArmy::selectedFigure() const
{
    const QList<QTreeWidgetItem *> selected = m_ui->lvwUnits->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, Qt::UserRole).toInt();
}

void frmArmy::sortAvailable(int column)
{
    if (column == m_sortColumn) {
        m_sortDescending = !m_sortDescending;
    } else {
        m_sortColumn = column;
        m_sortDescending = false;
    }
    QHeaderView *header = m_ui->lvwUnits->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, m_sortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    showAvailable();
}

void frmArmy::showAvailable()
{
    const std::vector<FigureSummary> &figures = m_model->Available();
    std::vector<std::size_t> rows = FilterFigures(
        figures, toFileText(m_ui->txtFilter->text()));
    if (m_sortColumn >= 0) {
        const auto column = static_cast<std::size_t>(m_sortColumn);
        std::vector<std::string> now;
        if (column == kAvailableNow) {
            now.reserve(m_availableTexts.size());
            for (const QStringList &texts : m_availableTexts)
                now.push_back(toFileText(texts.value(m_sortColumn)));
        }
        SortRows(
            rows,
            [&](std::size_t row) -> std::string_view {
                if (column == kAvailableNow)
                    return now[row];
                return figures[row].fields[column < kAvailableNow ? column : column - 1];
            },
            m_sortDescending);
    }
    QTreeWidget *list = m_ui->lvwUnits;
    const int selected = selectedFigure();
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    QTreeWidgetItem *current = nullptr;
    for (const std::size_t row : rows) {
        if (row >= m_availableTexts.size())
            continue;
        auto *item = new QTreeWidgetItem(m_availableTexts[row]);
        item->setData(0, Qt::UserRole, static_cast<int>(row));
        if (static_cast<int>(row) == selected)
            current = item;
        items.append(item);
    }
    list->clear();
    list->addTopLevelItems(items);
    // While filtering, the first figure found is the one Add and Enter take
    // when the one chosen before is no longer shown.
    if (!current && !m_ui->txtFilter->text().isEmpty() && !items.isEmpty())
        current = items.first();
    if (current) {
        list->setCurrentItem(current);
        current->setSelected(true);
    }
    showAvailableHint();
}

void frmArmy::showAvailableHint()
{
    // Before the first scan the list is empty whatever the folder holds.
    QString hint;
    if (m_model->Available().empty())
        hint = tr(m_model->AvailableRevision() == 0 ? kNotScanned : kNoFigures);
    m_availableHint->setText(hint);
    m_availableHint->setVisible(!hint.isEmpty());
}

void frmArmy::showLimit()
{
    const QString limit = fromFileText(m_model->PointsLimit());
    if (!m_limitRefused && m_ui->txtPointsLimit->text() != limit)
        m_ui->txtPointsLimit->setText(limit);
    const PointsBalance balance = m_model->Balance();
    QString shown;
    if (m_limitRefused)
        shown = tr("not a limit");
    else if (balance.kind == PointsBalance::Kind::Left)
        shown = tr("%1 left").arg(balance.points);
    else if (balance.kind == PointsBalance::Kind::Over)
        shown = tr("%1 over").arg(balance.points);
    m_ui->lblPointsLeft->setText(shown);
    QPalette palette = m_ui->lblPointsLeft->parentWidget()->palette();
    if (balance.IsOver() || m_limitRefused)
        palette.setColor(QPalette::WindowText, warningColour(palette));
    m_ui->lblPointsLeft->setPalette(palette);
}

} // namespace tarvello
