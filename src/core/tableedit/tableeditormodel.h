#pragma once

#include "platform/failure.h"
#include "tableedit/tabledocument.h"
#include "platform/history.h"

#include <cstddef>
#include <string>
#include <vector>

// The table editor's state without any window: the table file, its document,
// its undo history and whether it holds unsaved changes. The window forwards
// each command to one operation and shows the result.
namespace tarvello {

class TableEditorModel : public UndoableDocument<TableDocument>
{
public:
    // --- State ---------------------------------------------------------
    const TableDocument &Document() const { return m_document; }
    // Path of the table file; empty when none was read or chosen.
    const std::string &FileName() const { return m_fileName; }
    // Unsaved changes exist (or a key was typed in a cell since the save).
    bool Changed() const { return m_changed; }
    // A key typed in a cell counts as a change, even when its edit is
    // cancelled afterwards.
    void MarkChanged() { m_changed = true; }

    // --- Files ---------------------------------------------------------
    // Reads the table at path. A table that cannot be read leaves an empty
    // document with no file name and keeps Changed as it was, so closing
    // still offers to save. Opening is no step.
    Status Open(const std::string &path);
    // Writes the document whole to FileName (which must not be empty);
    // clears Changed only when it was written.
    Status Save();
    // FileName becomes path (even when the write then fails), then Save.
    Status SaveAs(const std::string &path);

    // --- Commands, each one step for Undo and Redo ---------------------
    // A command that changes nothing is no step and leaves Changed as it was.
    // "Edit Cell": true when the cell's text changed.
    bool SetCell(std::size_t row, std::size_t column, std::string text);
    // "Insert Row": an empty row at at (clamped to the rows); nothing in a
    // table without columns.
    void InsertEmptyRow(std::size_t at);
    // stepName ("Delete Rows", "Cut Rows"): as tarvello::DeleteRows.
    std::size_t DeleteRows(std::size_t top, std::size_t bottom, std::size_t current,
                           const char *stepName);
    // "Paste": the rows in their order from row at on (nothing in a table
    // without columns).
    void PasteRows(std::size_t at, std::vector<std::vector<std::string>> rows);

    // --- Undo and redo -------------------------------------------------
    // Undo and Redo put back the document before (after) the step; Changed
    // is clear exactly at the saved state.

private:
    void Step(const char *name);
    void Restore(const TableDocument &document) override;

    TableDocument m_document;
    std::string m_fileName;
    bool m_changed = false;
};

} // namespace tarvello
