#pragma once

#include "tableedit/tabledocument.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace tarvello {

// Shows a TableDocument in a grid: its captions as the header, its rows below,
// every cell as text. At most tarvello::kMaxShownColumns columns are shown and every
// text is shown cut to kMaxShownText characters; the document keeps and
// saves the rest. The grid cannot edit cells itself; the cell editor and
// the table editor change the document through this model.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TableModel(QObject *parent = nullptr);

    const tarvello::TableDocument &document() const { return m_document; }
    void setDocument(tarvello::TableDocument document);

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
    int deleteRows(int top, int bottom, int current);
    void pasteRows(int at, std::vector<std::vector<std::string>> rows);

signals:
    // The cell editor wrote a changed text into a cell.
    void cellEdited();

private:
    tarvello::TableDocument m_document;
};

} // namespace tarvello
