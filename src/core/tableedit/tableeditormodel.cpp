#include "tableeditormodel.h"

#include "platform/trtext.h"

#include "tableedit/tableedits.h"

#include <algorithm>
#include <utility>

namespace tarvello {

Status TableEditorModel::Open(const std::string &path)
{
    Result<TableDocument> read = ReadTableDocument(path);
    const Status status = read.status();
    if (status.ok()) {
        m_document = std::move(read).value();
        m_fileName = path;
        m_changed = false;
    } else {
        m_document = TableDocument();
        m_fileName.clear();
    }
    m_history.Reset(m_document);
    return status;
}

Status TableEditorModel::Save()
{
    Status status = WriteTableDocument(m_document, m_fileName);
    if (!status.ok())
        return status;
    m_history.MarkSaved();
    m_changed = false;
    return status;
}

Status TableEditorModel::SaveAs(const std::string &path)
{
    m_fileName = path;
    return Save();
}

bool TableEditorModel::SetCell(std::size_t row, std::size_t column, std::string text)
{
    if (!m_document.SetCell(row, column, std::move(text)))
        return false;
    Step(TV_TR("Core", "Edit Cell"));
    return true;
}

void TableEditorModel::InsertEmptyRow(std::size_t at)
{
    if (m_document.ColumnCount() > 0)
        m_document.InsertRow(std::min(at, m_document.RowCount()), {});
    Step(TV_TR("Core", "Insert Row"));
}

std::size_t TableEditorModel::DeleteRows(std::size_t top, std::size_t bottom, std::size_t current,
                                         const char *stepName)
{
    const std::size_t after = tarvello::DeleteRows(m_document, top, bottom, current);
    Step(stepName);
    return after;
}

void TableEditorModel::PasteRows(std::size_t at, std::vector<std::vector<std::string>> rows)
{
    if (!rows.empty() && m_document.ColumnCount() > 0)
        tarvello::PasteRows(m_document, std::min(at, m_document.RowCount()), std::move(rows));
    Step(TV_TR("Core", "Paste"));
}

void TableEditorModel::Step(const char *name)
{
    m_history.Record(name, m_document);
    // A command that changed nothing is no step and leaves the history at
    // the saved point: the flag a typed key may have set stays.
    m_changed = m_changed || !m_history.AtSaved();
}

void TableEditorModel::Restore(const TableDocument &document)
{
    m_document = document;
    m_changed = !m_history.AtSaved();
}

} // namespace tarvello
