#include "childwindow.h"

#include "platform/uitext.h"

#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
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

CommandSet ChildWindow::takes() const
{
    return m_form ? CommandsOf(*m_form) : CommandSet{};
}

void ChildWindow::setForm(WindowForm form)
{
    m_form = form;
    setObjectName(formObjectName(form));
}

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
    return canUndo() ? coreMessage(fromFileText(editSteps()->UndoName())) : QString();
}

QString ChildWindow::redoName() const
{
    return canRedo() ? coreMessage(fromFileText(editSteps()->RedoName())) : QString();
}

namespace {

// What a document of the window form is called in a question about it.
QString documentKind(WindowForm form)
{
    switch (form) {
    case WindowForm::Figure: return ChildWindow::tr("Figure");
    case WindowForm::Army: return ChildWindow::tr("Army");
    case WindowForm::UnitCard: return ChildWindow::tr("Unit card of the figure");
    case WindowForm::EditTable: return ChildWindow::tr("Table");
    }
    return {};
}

} // namespace

QString ChildWindow::documentSubject() const
{
    QString subject = windowTitle();
    const QString name = documentName();
    if (m_form && !name.isEmpty())
        subject = documentKind(*m_form) + QStringLiteral(" \u201C") + shownText(name) + QStringLiteral("\u201D");
    const QString path = documentPath();
    if (!path.isEmpty())
        subject += QLatin1Char('\n') + shownText(QDir::toNativeSeparators(path));
    return subject;
}

void ChildWindow::bringToFront()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    QWidget *shown = frame ? static_cast<QWidget *>(frame) : this;
    if (shown->isMinimized())
        shown->showNormal();
    if (frame && frame->mdiArea())
        frame->mdiArea()->setActiveSubWindow(frame);
    shown->raise();
    shown->activateWindow();
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
