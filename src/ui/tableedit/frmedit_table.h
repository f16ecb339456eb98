#pragma once

#include "platform/appcontext.h"
#include "platform/documentwindow.h"
#include "tableedit/tableeditormodel.h"

#include <memory>

class QPushButton;

namespace tarvello {

class FlexGrid;
class LayoutMgr;
class TableModel;
class clsFlexGridEdit;

// The rules-table editor: one table file as a grid of text cells, edited in
// place by its cell editor, with rows inserted, deleted, cut, copied and
// pasted, saved back and printed.
class frmEdit_Table : public DocumentWindow
{
    Q_OBJECT

public:
    explicit frmEdit_Table(AppContext &context, QWidget *parent = nullptr);
    ~frmEdit_Table() override;

    // Loads the table file into the grid; caption names it in the window's
    // caption and on the printout.
    void OpenFile(const QString &fileName, const QString &caption);
    void renderPrintout(QPrinter &printer) override;
    QString documentName() const override { return m_caption; }
    QString documentPath() const override { return fileName(); }
    // Gives the window its design size.
    void Arrange();
    void Copy();
    void Cut();
    void Paste();

    void undo() override;
    void redo() override;

    bool modified() const { return m_editor.Changed(); }
    QString fileName() const;
    clsFlexGridEdit &cellEditor() { return *m_cellEditor; }
    TableModel &tableModel() { return *m_model; }

    FlexGrid *grdTable = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnSaveAs = nullptr;
    LayoutMgr *lmgEdit = nullptr;

    // The design size, which the main window gives the window when it opens.
    QSize sizeHint() const override;

protected:
    const EditSteps *editSteps() const override { return &m_editor; }
    // The dialog starts in the table's folder and proposes its file.
    SaveDialogFacts saveDialogFacts() const override;
    bool writeDocument(const QString &path) override;
    // The caption names the file saved to.
    void savedAs(const QString &path) override;
    bool documentChanged() const override { return m_editor.Changed(); }
    CloseQuestion closeQuestion() const override;
    // Tables are not listed among the recent files.
    bool listedAsRecent() const override { return false; }
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    bool gridKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void insertRow();
    void deleteRows(const char *stepName);
    void restore();
    void sizeColumns();

    TableModel *m_model = nullptr;
    // Owned by m_model, which the grid reads until the window's children go.
    TableEditorModel &m_editor;
    std::unique_ptr<clsFlexGridEdit> m_cellEditor;
    QString m_caption;
    bool m_activationHooked = false;
};

} // namespace tarvello
