#include "flexgrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace tarvello {

FlexGrid::FlexGrid(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    // The last column (a table's notes) takes the width the others leave.
    horizontalHeader()->setStretchLastSection(true);
}

void FlexGrid::setCurrentCell(int row, int column)
{
    const QModelIndex cell = model() ? model()->index(row, column) : QModelIndex();
    if (!cell.isValid())
        return;
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    scrollTo(cell);
}

int FlexGrid::selectionTop() const
{
    const QItemSelection selection = selectionModel() ? selectionModel()->selection()
                                                      : QItemSelection();
    int top = currentIndex().row();
    for (const QItemSelectionRange &range : selection)
        top = top < 0 ? range.top() : std::min(top, range.top());
    return top;
}

int FlexGrid::selectionBottom() const
{
    const QItemSelection selection = selectionModel() ? selectionModel()->selection()
                                                      : QItemSelection();
    int bottom = currentIndex().row();
    for (const QItemSelectionRange &range : selection)
        bottom = std::max(bottom, range.bottom());
    return bottom;
}

int FlexGrid::selectionRow() const
{
    const int current = currentIndex().row();
    return current == selectionTop() ? selectionBottom() : selectionTop();
}

int FlexGrid::characterCode(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return -1;
    const int key = event->key();
    if (modifiers & Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return -1;
    return text.at(0).unicode();
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    const int code = characterCode(event);
    const bool gridActs = !m_keyDown || m_keyDown(event->key(), event->modifiers());
    // A typed character is the cell editor's, never a search of the grid.
    if (gridActs && code < 0)
        QTableView::keyPressEvent(event);
    event->accept();
    if (code >= 0)
        emit characterTyped(code, event->modifiers());
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit cellDoubleClicked(event->modifiers());
}

void FlexGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    emit focusEntered();
}

void FlexGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (previous.isValid())
        emit cellLeaving(previous);
    QTableView::currentChanged(current, previous);
}

void FlexGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    emit scrolled();
}

} // namespace tarvello
