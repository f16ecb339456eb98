#pragma once

#include "platform/history.h"
#include "shell/commandtable.h"
#include "shell/windowform.h"

#include <QWidget>

class QPrinter;

namespace tarvello {

// The objectName of the windows of form ("frmFigure" for a figure editor).
QString formObjectName(WindowForm form);

// A document window inside the main window. The main window sends it the
// commands it takes (takes()) and greys its items by them; the base versions
// of the operations do nothing.
class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget *parent = nullptr);

    // The main window's commands the window takes: by default those the
    // command table gives its kind (none without a kind).
    virtual CommandSet takes() const;

    virtual void Save() {}
    virtual void SaveAs() {}
    virtual void PrintIt() {}
    virtual void Export() {}

    // File, Print Preview: draws the whole printout onto printer; paper, a
    // PDF or a preview all come from this one routine. Failures are reported
    // by the window.
    virtual void renderPrintout(QPrinter &printer) { Q_UNUSED(printer) }

    // File, Print Cards: asks how many unit cards and prints or previews them.
    virtual void printCards() {}

    // Asks the user about unsaved changes (Yes saves, No discards); false when
    // the window must stay open (Cancel, or a save that did not succeed).
    virtual bool queryClose() { return true; }

    // True when the document chosen for a new window was refused (not a file
    // of its kind): the window has nothing to show and is discarded.
    virtual bool openRefused() const { return false; }
    // The window's undo history (Edit, Undo and Redo): the steps of its
    // editSteps, none without them. undoName/redoName name the step
    // ("Remove Dagger").
    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;
    QString redoName() const;
    // Takes the step back (repeats it) and shows the document it leaves.
    virtual void undo() {}
    virtual void redo() {}
    // The rules tables were reloaded (Refresh Resources).
    virtual void tablesReloaded() {}
    // True when the window calculates with the rules tables as loaded, so a
    // table saved since needs Refresh Resources before the window sees it.
    virtual bool usesRulesTables() const { return false; }
    // Another window rewrote the figure files at paths (Update Costs); a
    // window that lists them from their folder says that its list is old.
    virtual void figureFilesChanged(const QStringList &paths) { Q_UNUSED(paths) }
    // File, Update Costs: saves figures with the costs the tables give them
    // now (the army editor's command; other windows do nothing).
    virtual void updateCosts() {}
    // File, Export Army Pack: the army and its figure files in one pack file
    // (the army editor's command; other windows do nothing).
    virtual void exportArmyPack() {}

    // The document's own name: the figure's, the army's, the table's (a
    // printout to a file is proposed under it); empty when it has none.
    virtual QString documentName() const { return {}; }
    // The file the document was opened from or last saved to; empty when new.
    virtual QString documentPath() const { return {}; }
    // Which document a question is about: its kind and name (Figure "Border
    // Guard"; the caption when it has no name) and, below, its file if any.
    QString documentSubject() const;
    // Shows the window restored, active and in front of the others (before a
    // question about it).
    void bringToFront();

    // Marks the window as already asked, so closing it asks nothing more.
    void setCloseApproved(bool approved) { m_closeApproved = approved; }

signals:
    // The window's document was opened from or saved to path (File, Open
    // Recent lists it).
    void documentFileUsed(const QString &path);
    // A save of the window's document (figure, army, table, style or layout)
    // reached the file at path.
    void documentSaved(const QString &path);
    // The history changed: a step was made, undone, redone or saved.
    void historyChanged();
    // The window opened another one (a figure its card) for the main window
    // to take in as one of its children.
    void childWindowOpened(ChildWindow *child);
    // The window rewrote the figure files at paths.
    void figureFilesRewritten(const QStringList &paths);

protected:
    // Makes the window one of form's: its objectName is the form name and it
    // takes what the form takes.
    void setForm(WindowForm form);
    // Shows child inside the main window when this window is one of its
    // children, otherwise as a window of its own, deleted when closed.
    void showChildWindow(ChildWindow *child);
    void closeEvent(QCloseEvent *event) override;
    // The document whose steps Edit, Undo and Redo show. A virtual rather
    // than a stored pointer: while the window is being destroyed the base's
    // answer (none) holds, never a document already gone.
    virtual const EditSteps *editSteps() const { return nullptr; }

private:
    std::optional<WindowForm> m_form;
    bool m_closeApproved = false;

};

} // namespace tarvello
