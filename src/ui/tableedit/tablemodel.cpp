#include "tablemodel.h"

#include "platform/showntext.h"
#include "platform/uitext.h"

#include <algorithm>

namespace tarvello {

TableModel::TableModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void TableModel::reset()
{
    beginResetModel();
    endResetModel();
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document().RowCount());
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0
                            : static_cast<int>(std::min(document().ColumnCount(), kMaxShownColumns));
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return shownFileText(document().Cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return shownFileText(document().Captions()[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    // A cell too long to show whole comes back from the cell editor as the
    // part shown: unless that part was edited, the cell keeps its whole text.
    const std::string &cell = document().Cell(index.row(), index.column());
    const std::string text = toFileText(value.toString());
    if (!IsShownWhole(cell) && text == ShownText(cell))
        return false;
    if (!m_editor.SetCell(index.row(), index.column(), text))
        return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit cellEdited();
    return true;
}

void TableModel::insertEmptyRow(int at)
{
    if (document().ColumnCount() == 0)
        return;
    at = std::clamp(at, 0, rowCount());
    beginInsertRows(QModelIndex(), at, at);
    m_editor.InsertEmptyRow(at);
    endInsertRows();
}

int TableModel::deleteRows(int top, int bottom, int current, const char *stepName)
{
    const int last = rowCount() - 1;
    if (last < 0 || top < 0 || top > bottom)
        return -1;
    bottom = std::min(bottom, last);
    if (bottom == last) {
        // The table never loses its last row: deleting rows down to it
        // leaves row top, emptied, as the last row. Rows go and a row changes
        // in one step, which no pair of row notifications describes.
        beginResetModel();
        const int after = static_cast<int>(m_editor.DeleteRows(top, bottom, current, stepName));
        endResetModel();
        return after;
    }
    beginRemoveRows(QModelIndex(), top, bottom);
    const int after = static_cast<int>(m_editor.DeleteRows(top, bottom, current, stepName));
    endRemoveRows();
    return after;
}

void TableModel::pasteRows(int at, std::vector<std::vector<std::string>> rows)
{
    if (rows.empty() || document().ColumnCount() == 0)
        return;
    at = std::clamp(at, 0, rowCount());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(rows.size()) - 1);
    m_editor.PasteRows(at, std::move(rows));
    endInsertRows();
}

} // namespace tarvello
