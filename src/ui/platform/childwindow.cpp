#include "childwindow.h"

#include "platform/uitext.h"

#include <QCloseEvent>
#include <QMetaMethod>

namespace tarvello {

QString formObjectName(WindowForm form)
{
    const std::string_view name = FormName(form);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

ChildWindow::ChildWindow(QWidget *parent)
    : QWidget(parent)
{}

bool ChildWindow::canUndo() const
{
    const EditSteps *steps = editSteps();
    return steps && steps->CanUndo();
}

bool ChildWindow::canRedo() const
{
    const EditSteps *steps = editSteps();
    return steps && steps->CanRedo();
}

QString ChildWindow::undoName() const
{
    return canUndo() ? fromFileText(editSteps()->UndoName()) : QString();
}

QString ChildWindow::redoName() const
{
    return canRedo() ? fromFileText(editSteps()->RedoName()) : QString();
}

void ChildWindow::showChildWindow(ChildWindow *child)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&ChildWindow::childWindowOpened))) {
        emit childWindowOpened(child);
        return;
    }
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeApproved || queryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
    m_closeApproved = false;
}

} // namespace tarvello
