#pragma once

#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "platform/documentkinds.h"
#include "platform/failurebox.h"

#include <QString>

namespace tarvello {

// Asks the main window's print setup for window's document and, when the
// user confirms it, prints the window's printout (renderPrintout) on the
// chosen printer; nothing without a setup or a printer.
void printWindow(ChildWindow &window, const AppContext &context);

// A window of a document that is saved to a file of its own: the figure, army
// and table editors. Save, Save As, Print and the question before closing
// are written here once; each editor supplies what differs: its kind of file,
// where the save dialog starts and what it proposes, the write itself, the
// printout and the question's words.
class DocumentWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit DocumentWindow(AppContext &context, QWidget *parent = nullptr);

    // File, Save: a document without a file, or one that must not be written
    // over (mayOverwrite), is saved as a new file.
    void Save() override { saveDocument(); }
    // File, Save As: the save dialog, then the write.
    void SaveAs() override { saveDocumentAs(); }
    // File, Print: printWindow.
    void PrintIt() override;
    // Nothing changed: closes. Otherwise asks the editor's question (Yes
    // saves as Save does, No discards, Cancel keeps the window).
    bool queryClose() override;

protected:
    // What the save dialog shows: the document's kind (its filter), the
    // folder it starts in and the file name it proposes.
    struct SaveDialogFacts
    {
        DocumentKind kind;
        QString startFolder;
        QString proposedName;
    };
    virtual SaveDialogFacts saveDialogFacts() const = 0;
    // Writes the document whole to path; true when it reached the file. A
    // failure is shown by the editor.
    virtual bool writeDocument(const QString &path) = 0;
    // False when Save must ask for a new file instead of writing over the
    // document's own (the editor may ask first).
    virtual bool mayOverwrite() { return true; }
    // A Save As reached path (after the signals below were sent).
    virtual void savedAs(const QString &path) { Q_UNUSED(path) }
    // True when the document holds changes not saved.
    virtual bool documentChanged() const = 0;
    // The question before closing with unsaved changes: its box's title and
    // its text.
    struct CloseQuestion
    {
        BoxTitle title;
        QString text;
    };
    virtual CloseQuestion closeQuestion() const = 0;
    // True when a save of the document goes into File, Open Recent.
    virtual bool listedAsRecent() const { return true; }

    // Each returns true when the document reached its file.
    bool saveDocument();
    bool saveDocumentAs();

    AppContext &m_context;

private:
    bool write(const QString &path);
};

} // namespace tarvello
