#pragma once

#include "tableedit/tableeditormodel.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace tarvello {

// Shows a TableDocument in a grid: its captions as the header, its rows below,
// every cell as text. At most kMaxShownColumns columns are shown and every
// text is shown cut to kMaxShownText characters; the document keeps and
// saves the rest. The grid cannot edit cells itself; the cell editor and
// the table editor change the document through this model, which forwards
// each change to the editor's core model and tells the grid.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TableModel(QObject *parent = nullptr);

    // The table editor's core model, which owns the document shown.
    TableEditorModel &editor() { return m_editor; }
    const TableDocument &document() const { return m_editor.Document(); }
    // The editor's document was replaced whole (opened, undone, redone).
    void reset();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Writes the text of a cell (EditRole); false when it did not change.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The row commands, in data rows (0 is the first row below the captions).
    void insertEmptyRow(int at);
    // Returns the row the current cell stands on afterwards.
    int deleteRows(int top, int bottom, int current, const char *stepName);
    void pasteRows(int at, std::vector<std::vector<std::string>> rows);

signals:
    // The cell editor wrote a changed text into a cell.
    void cellEdited();

private:
    TableEditorModel m_editor;
};

} // namespace tarvello
