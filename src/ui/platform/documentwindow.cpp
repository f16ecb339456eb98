#include "documentwindow.h"

#include "platform/busypointer.h"
#include "platform/closeprompt.h"
#include "platform/idialogs.h"

namespace tarvello {

void printWindow(ChildWindow &window, const AppContext &context)
{
    // The setup is asked only when there is a printer to print on.
    if (!context.printSetup || !context.printer || !context.printSetup(window.documentName()))
        return;
    const BusyPointer busy;
    window.renderPrintout(*context.printer);
}

DocumentWindow::DocumentWindow(AppContext &context, QWidget *parent)
    : ChildWindow(parent)
    , m_context(context)
{}

void DocumentWindow::PrintIt()
{
    printWindow(*this, m_context);
}

bool DocumentWindow::write(const QString &path)
{
    if (!writeDocument(path))
        return false;
    if (listedAsRecent())
        emit documentFileUsed(path);
    emit documentSaved(path);
    emit historyChanged();
    return true;
}

bool DocumentWindow::saveDocument()
{
    const QString path = documentPath();
    if (path.isEmpty() || !mayOverwrite())
        return saveDocumentAs();
    return write(path);
}

bool DocumentWindow::saveDocumentAs()
{
    const SaveDialogFacts facts = saveDialogFacts();
    const std::optional<QString> path = m_context.dialogs->saveFile(
        this, QString::fromLatin1(DocumentKindFacts(facts.kind).filter), facts.startFolder,
        facts.proposedName, true);
    if (!path || path->isEmpty() || !write(*path))
        return false;
    savedAs(*path);
    return true;
}

bool DocumentWindow::queryClose()
{
    if (!documentChanged())
        return true;
    const CloseQuestion question = closeQuestion();
    return askToSaveBeforeClose(*m_context.dialogs, this, boxTitleText(question.title),
                                question.text, [this] { return saveDocument(); });
}

} // namespace tarvello
