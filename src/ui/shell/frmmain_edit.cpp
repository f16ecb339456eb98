// The Edit menu of the main window: Undo and Redo of the active child.
#include "frmmain.h"

#include "platform/childwindow.h"
#include "platform/uitext.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace tarvello {

namespace {

// "&Undo" alone, or with the step's name ("&Undo Remove Dagger"); an "&" in
// the name is shown, not taken as an access key.
QString caption(const QString &verb, QString step)
{
    if (step.isEmpty())
        return verb;
    step.replace(QLatin1Char('&'), QLatin1String("&&"));
    return verb + QLatin1Char(' ') + step;
}

bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
           || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y)
           || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

// A text box would keep Ctrl+Z and Ctrl+Y for its own undo; inside a window
// with a history they go to the Edit menu instead, so that the editor's
// steps (one per field edit) are undone wherever the focus stands.
class UndoKeysToHistory : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !qobject_cast<QLineEdit *>(watched))
            return false;
        if (!isUndoOrRedo(static_cast<QKeyEvent *>(event)))
            return false;
        for (QObject *owner = watched->parent(); owner; owner = owner->parent()) {
            auto *child = qobject_cast<ChildWindow *>(owner);
            if (!child)
                continue;
            if (!child->canUndo() && !child->canRedo())
                return false;
            event->ignore(); // not overridden: the shortcut goes on
            return true;
        }
        return false;
    }
};

} // namespace

void frmMain::followHistory()
{
    qApp->installEventFilter(new UndoKeysToHistory(this));
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmMain::updateEditMenu);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (auto *child = window ? qobject_cast<ChildWindow *>(window->widget()) : nullptr)
            connect(child, &ChildWindow::historyChanged, this, &frmMain::updateEditMenu,
                    Qt::UniqueConnection);
        updateEditMenu();
    });
    updateEditMenu();
}

void frmMain::undoOrRedo(Command command)
{
    ChildWindow *child = activeChild();
    if (child && command == Command::Undo && child->canUndo())
        child->undo();
    else if (child && command == Command::Redo && child->canRedo())
        child->redo();
    updateEditMenu();
}

void frmMain::updateEditMenu()
{
    const ChildWindow *child = activeChild();
    const bool undo = child && child->canUndo();
    const bool redo = child && child->canRedo();
    command(Command::Undo)->setEnabled(undo);
    command(Command::Redo)->setEnabled(redo);
    command(Command::Undo)->setText(
        caption(tr("&Undo"), undo ? shownText(child->undoName()) : QString()));
    command(Command::Redo)->setText(
        caption(tr("&Redo"), redo ? shownText(child->redoName()) : QString()));
}

} // namespace tarvello
