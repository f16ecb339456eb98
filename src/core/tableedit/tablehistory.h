#pragma once

#include "platform/history.h"
#include "tableedit/tabledocument.h"

#include <string>

// The table editor's undo and redo: a snapshot of the whole document after
// each command, so undoing gives back the grid, and the saved bytes, exactly.
namespace tarvello {

class TableHistory : public UndoableDocument<TableDocument>
{
public:
    // A document just opened: no steps, and it counts as saved.
    void Reset(const TableDocument &document) { m_history.Reset(document); }
    // A command named name ("Edit Cell", "Paste") left the document as after;
    // a command that changed nothing is no step.
    void Record(std::string name, const TableDocument &after)
    {
        m_history.Record(std::move(name), after);
    }

    // The document to show after stepping back, respectively forward.
    const TableDocument &Undo() { return m_history.Undo(); }
    const TableDocument &Redo() { return m_history.Redo(); }

    // The current document reached its file.
    void MarkSaved() { m_history.MarkSaved(); }
    // The current document differs from the one last saved (or opened).
    bool Modified() const { return !m_history.AtSaved(); }
};

} // namespace tarvello
