// The Edit menu of the main window: Undo and Redo of the active child.
#include "frmmain.h"

#include "childwindow.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// "&Undo" alone, or with the step's name ("&Undo Remove Dagger"); an "&" in
// the name is shown, not taken as an access key.
QString Caption(const QString &verb, QString step)
{
    if (step.isEmpty())
        return verb;
    step.replace(QLatin1Char('&'), QLatin1String("&&"));
    return verb + QLatin1Char(' ') + step;
}

} // namespace

void frmMain::buildEditMenu()
{
    mnuEdit = new QMenu(QStringLiteral("&Edit"), this);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    menuBar()->addMenu(mnuEdit);
    mnuEdit_Undo = addItem(mnuEdit, "mnuEdit_Undo", QStringLiteral("&Undo"));
    mnuEdit_Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEdit_Redo = addItem(mnuEdit, "mnuEdit_Redo", QStringLiteral("&Redo"));
    mnuEdit_Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                QKeySequence(Qt::CTRL | Qt::Key_Y)});

    connect(mnuEdit_Undo, &QAction::triggered, this, [this] {
        if (ChildWindow *child = activeChild(); child && child->canUndo())
            child->undo();
        updateEditMenu();
    });
    connect(mnuEdit_Redo, &QAction::triggered, this, [this] {
        if (ChildWindow *child = activeChild(); child && child->canRedo())
            child->redo();
        updateEditMenu();
    });
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmMain::updateEditMenu);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (auto *child = window ? qobject_cast<ChildWindow *>(window->widget()) : nullptr)
            connect(child, &ChildWindow::historyChanged, this, &frmMain::updateEditMenu,
                    Qt::UniqueConnection);
        updateEditMenu();
    });
    updateEditMenu();
}

void frmMain::updateEditMenu()
{
    const ChildWindow *child = activeChild();
    const bool undo = child && child->canUndo();
    const bool redo = child && child->canRedo();
    mnuEdit_Undo->setEnabled(undo);
    mnuEdit_Redo->setEnabled(redo);
    mnuEdit_Undo->setText(Caption(QStringLiteral("&Undo"), undo ? child->undoName() : QString()));
    mnuEdit_Redo->setText(Caption(QStringLiteral("&Redo"), redo ? child->redoName() : QString()));
}
