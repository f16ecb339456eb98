// The table editor's row commands, saving, printing and closing.
#include "frmedit_table.h"
#include "platform/failurebox.h"

#include "clsflexgridedit.h"
#include "flexgrid.h"
#include "tablemodel.h"
#include "print/qtprinterpage.h"

#include "platform/idialogs.h"
#include "platform/documentkinds.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "tableedit/tableedits.h"
#include "tableedit/tableprint.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace tarvello {

bool frmEdit_Table::gridKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    try {
        if (held == Qt::ControlModifier) {
            switch (key) {
            case Qt::Key_C: Copy(); return false;
            case Qt::Key_X: Cut(); return false;
            case Qt::Key_V: Paste(); return false;
            default: return true;
            }
        }
        if (held == Qt::ShiftModifier)
            return true;
        if (key == Qt::Key_Insert)
            insertRow();
        else if (key == Qt::Key_Delete)
            deleteRows(QT_TRANSLATE_NOOP("Core", "Delete Rows"));
    } catch (const std::exception &) {
        // A failure in the key handling ends it silently.
    }
    return false;
}

void frmEdit_Table::insertRow()
{
    const int current = grdTable->currentIndex().row();
    m_model->insertEmptyRow(current + 1);
    if (current < 0 && m_model->rowCount() > 0)
        grdTable->setCurrentCell(0, 0);
    emit historyChanged();
}

void frmEdit_Table::deleteRows(const char *stepName)
{
    const QModelIndex current = grdTable->currentIndex();
    if (!current.isValid())
        return;
    const int row = m_model->deleteRows(grdTable->selectionTop(), grdTable->selectionBottom(),
                                        current.row(), stepName);
    if (row >= 0)
        grdTable->setCurrentCell(row, current.column());
    emit historyChanged();
}

void frmEdit_Table::Copy()
{
    m_cellEditor->IgnoreNextKey = true;
    if (!grdTable->currentIndex().isValid())
        return;
    const std::string text = CopyText(m_model->document(), grdTable->selectionTop(),
                                                grdTable->selectionBottom());
    QGuiApplication::clipboard()->setText(fromFileText(text));
}

void frmEdit_Table::Cut()
{
    Copy();
    deleteRows(QT_TRANSLATE_NOOP("Core", "Cut Rows"));
}

void frmEdit_Table::Paste()
{
    m_cellEditor->IgnoreNextKey = true;
    const int at = grdTable->currentIndex().isValid() ? grdTable->selectionRow() : 0;
    m_model->pasteRows(at, SplitPastedText(
                               toFileText(QGuiApplication::clipboard()->text())));
    if (!grdTable->currentIndex().isValid() && m_model->rowCount() > 0)
        grdTable->setCurrentCell(0, 0);
    emit historyChanged();
}

void frmEdit_Table::undo()
{
    m_editor.Undo();
    restore();
}

void frmEdit_Table::redo()
{
    m_editor.Redo();
    restore();
}

// The whole grid is replaced; the current cell stays where it was as far as
// the restored table reaches.
void frmEdit_Table::restore()
{
    const QModelIndex current = grdTable->currentIndex();
    m_model->reset();
    if (m_model->rowCount() > 0 && m_model->columnCount() > 0)
        grdTable->setCurrentCell(std::clamp(current.row(), 0, m_model->rowCount() - 1),
                                 std::clamp(current.column(), 0, m_model->columnCount() - 1));
    emit historyChanged();
}

bool frmEdit_Table::writeDocument(const QString &path)
{
    const Status status = m_editor.SaveAs(toFilePath(path));
    if (!status.ok()) {
        m_context.dialogs->message(this, boxTitleText(BoxTitle::Plain),
                                   fromFilePath(status.failure().sentence) + QStringLiteral("\r\n")
                                       + fromFileText(status.failure().description),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::None);
        return false;
    }
    return true;
}

DocumentWindow::SaveDialogFacts frmEdit_Table::saveDialogFacts() const
{
    const QString name = fileName();
    const QFileInfo current(name);
    return {DocumentKind::Table, name.isEmpty() ? QString() : current.absolutePath(),
            name.isEmpty() ? QString() : current.fileName()};
}

void frmEdit_Table::savedAs(const QString &path)
{
    setWindowTitle(tr("Resource Editor %1").arg(QStringLiteral("(..\\") + QFileInfo(path).fileName()
                                                 + QLatin1Char(')')));
}

void frmEdit_Table::renderPrintout(QPrinter &printer)
{
    QtPrinterPage page(printer);
    const Status status = PrintTable(page, toFileText(m_caption),
                                                         m_model->document());
    if (!status.ok())
        showFailure(*m_context.dialogs, this, status.failure(), IDialogs::Icon::Exclamation, BoxTitle::WithVersion);
}

DocumentWindow::CloseQuestion frmEdit_Table::closeQuestion() const
{
    return {BoxTitle::Plain, tr("Table not saved!\r\nSave table now?")};
}

} // namespace tarvello
