// The menu bar of the main window: File, Edit, Window and Help.
#include "frmmain.h"
#include "shell/commandrouting.h"

#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "commandbar.h"
#include "recentfilesmenu.h"
#include "rules/tablecatalogue.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace tarvello {

namespace {

QMenu *addMenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

QAction *frmMain::addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *frmMain::addSeparator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

void frmMain::buildMenus()
{
    buildFileMenu();
    connectFileMenu();
    buildEditMenu();
    buildWindowMenu();

    mnuHelp = addMenu(this, "mnuHelp", QStringLiteral("&Help"));
    menuBar()->addMenu(mnuHelp);
    mnuHelp_Readme = addItem(mnuHelp, "mnuHelp_Readme", QStringLiteral("&Readme"));
    mnuHelp_About = addItem(mnuHelp, "mnuHelp_About", QStringLiteral("&About"));
    connect(mnuHelp_Readme, &QAction::triggered, this, &frmMain::showReadme);
    connect(mnuHelp_About, &QAction::triggered, this, &frmMain::showAbout);
    setStandardShortcuts();
}

void frmMain::buildFileMenu()
{
    mnuFile = addMenu(this, "mnuFile", QStringLiteral("&File"));
    menuBar()->addMenu(mnuFile);

    mnuFile_New = addMenu(mnuFile, "mnuFile_New", QStringLiteral("&New"));
    mnuFile->addMenu(mnuFile_New);
    mnuFile_Figure_New = addItem(mnuFile_New, "mnuFile_Figure_New", QStringLiteral("&Figure"));
    mnuFileArmy_New = addItem(mnuFile_New, "mnuFileArmy_New", QStringLiteral("&Army"));

    mnuFile_Open = addMenu(mnuFile, "mnuFile_Open", QStringLiteral("&Open"));
    mnuFile->addMenu(mnuFile_Open);
    mnuFile_Figure_Open = addItem(mnuFile_Open, "mnuFile_Figure_Open", QStringLiteral("&Figure"));
    mnuFileArmy_Open = addItem(mnuFile_Open, "mnuFileArmy_Open", QStringLiteral("&Army"));
    mnuResources = addMenu(mnuFile_Open, "mnuResources", QStringLiteral("&Resource"));
    mnuFile_Open->addMenu(mnuResources);

    for (const TableInfo *table : TablesInMenuOrder()) {
        QAction *action = addItem(mnuResources, table->menuName,
                                  QString::fromLatin1(table->menuCaption));
        connect(action, &QAction::triggered, this, [this, table] {
            openChild(WindowForm::EditTable, QDir(m_context.programFolder).filePath(QString::fromLatin1(table->file)),
                      QString::fromStdString(TableCaption(*table)));
        });
    }

    mnuFile_OpenRecent = addMenu(mnuFile, "mnuFile_OpenRecent", QStringLiteral("Open Recen&t"));
    mnuFile->addMenu(mnuFile_OpenRecent);
    m_recentFiles = new RecentFilesMenu(mnuFile_OpenRecent, settingsFile(), this);
    connect(m_recentFiles, &RecentFilesMenu::chosen, this, &frmMain::openRecent);

    mnuFileSep2 = addSeparator(mnuFile, "mnuFileSep2");
    mnuFile_Save = addItem(mnuFile, "mnuFile_Save", QStringLiteral("&Save"));
    mnuFile_SaveAs = addItem(mnuFile, "mnuFile_SaveAs", QStringLiteral("Save &As"));
    mnuFileSep0 = addSeparator(mnuFile, "mnuFileSep0");
    mnuFile_Print = addItem(mnuFile, "mnuFile_Print", QStringLiteral("&Print"));
    mnuFile_PrintPreview = addItem(mnuFile, "mnuFile_PrintPreview", QStringLiteral("Print Pre&view"));
    mnuFile_PrintCards = addItem(mnuFile, "mnuFile_PrintCards", QStringLiteral("Print &Cards..."));
    mnuFile_PrintCards->setEnabled(false);
    mnuFile_Export = addItem(mnuFile, "mnuFile_Export", QStringLiteral("&Export"));
    mnuFileSep1 = addSeparator(mnuFile, "mnuFileSep1");
    mnuResources_Reload = addItem(mnuFile, "mnuResources_Reload", QStringLiteral("&Refresh Resources"));
    QAction *updateCosts = addItem(mnuFile, "mnuFile_UpdateCosts", QStringLiteral("&Update Costs\u2026"));
    connect(updateCosts, &QAction::triggered, this, [this] {
        if (ChildWindow *child = activeChild())
            child->updateCosts();
    });
    mnuFileSep3 = addSeparator(mnuFile, "mnuFileSep3");
    mnuFileQuit = addItem(mnuFile, "mnuFileQuit", QStringLiteral("&Quit"));
}

void frmMain::connectFileMenu()
{
    // The document windows do not exist until their creators are registered.
    for (QAction *action : {mnuFile_Figure_New, mnuFileArmy_New, mnuFile_Figure_Open, mnuFileArmy_Open})
        action->setEnabled(false);
    for (QAction *action : mnuResources->actions())
        action->setEnabled(false);

    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::updateFileMenu);
    connect(mnuFile_Figure_New, &QAction::triggered, this, [this] { newChild(WindowForm::Figure); });
    connect(mnuFileArmy_New, &QAction::triggered, this, [this] { newChild(WindowForm::Army); });
    connect(mnuFile_Figure_Open, &QAction::triggered, this, [this] { openChild(WindowForm::Figure); });
    connect(mnuFileArmy_Open, &QAction::triggered, this, [this] { openChild(WindowForm::Army); });
    connect(mnuFile_Save, &QAction::triggered, this, [this] { forward(FileCommand::Save); });
    connect(mnuFile_SaveAs, &QAction::triggered, this, [this] { forward(FileCommand::SaveAs); });
    connect(mnuFile_Print, &QAction::triggered, this, [this] { forward(FileCommand::PrintIt); });
    connect(mnuFile_PrintPreview, &QAction::triggered, this, &frmMain::printPreview);
    connect(mnuFile_PrintCards, &QAction::triggered, this, [this] {
        if (ChildWindow *child = activeChild(); child && child->hasCardSheet())
            child->printCards();
    });
    // The shortcuts act while the menu is shut: its enabling follows the
    // active child as soon as it changes, not only when the menu opens.
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::updateFileMenu);
    connect(mnuFile_Export, &QAction::triggered, this, [this] { forward(FileCommand::Export); });
    connect(mnuResources_Reload, &QAction::triggered, this, &frmMain::refreshResources);
    connect(mnuFileQuit, &QAction::triggered, this, &QWidget::close);
}

// The keys every desktop program uses, shown beside the menu items: the usual
// key first, then whatever else the platform binds to the same command.
void frmMain::setStandardShortcuts()
{
    const struct
    {
        QAction *action;
        QKeySequence::StandardKey key;
        const char *usual;
    } keys[] = {
        {mnuFile_Figure_New, QKeySequence::New, "Ctrl+N"},
        {mnuFile_Figure_Open, QKeySequence::Open, "Ctrl+O"},
        {mnuFile_Save, QKeySequence::Save, "Ctrl+S"},
        {mnuFile_SaveAs, QKeySequence::SaveAs, "Ctrl+Shift+S"},
        {mnuFile_Print, QKeySequence::Print, "Ctrl+P"},
        {mnuFileQuit, QKeySequence::Quit, "Ctrl+Q"},
        {mnuWindow_Close, QKeySequence::Close, "Ctrl+W"},
        {mnuHelp_Readme, QKeySequence::HelpContents, "F1"},
    };
    for (const auto &item : keys) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(item.key);
        const QKeySequence usual(QString::fromLatin1(item.usual));
        sequences.removeAll(usual);
        sequences.prepend(usual);
        item.action->setShortcuts(sequences);
    }
}

void frmMain::buildWindowMenu()
{
    // Closing the active child has no File item; the Window menu shows it,
    // and the main window keeps its shortcut working while the menu is shut.
    mnuWindow_Close = new QAction(QStringLiteral("Cl&ose"), this);
    mnuWindow_Close->setObjectName(QStringLiteral("mnuWindow_Close"));
    addAction(mnuWindow_Close);
    connect(mnuWindow_Close, &QAction::triggered, m_mdiArea, &QMdiArea::closeActiveSubWindow);
    mnuWindow = addMenu(this, "mnuWindow", QStringLiteral("&Window"));
    menuBar()->addMenu(mnuWindow);
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);
    fillWindowMenu();
}

// The toolkit's usual window list: tile and cascade, then one checkable item
// per child window, the active one checked.
void frmMain::fillWindowMenu()
{
    mnuWindow->clear();
    mnuWindow->addAction(mnuWindow_Close);
    QAction *tile = mnuWindow->addAction(QStringLiteral("&Tile"));
    connect(tile, &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    QAction *cascade = mnuWindow->addAction(QStringLiteral("&Cascade"));
    connect(cascade, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);

    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    tile->setEnabled(!windows.isEmpty());
    cascade->setEnabled(!windows.isEmpty());
    if (m_commandBar) {
        mnuWindow->addSeparator();
        mnuWindow->addAction(m_commandBar->toggleViewAction());
    }
    if (windows.isEmpty())
        return;
    mnuWindow->addSeparator();
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QString title = window->widget() ? window->widget()->windowTitle() : window->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString caption = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                            : QStringLiteral("%1 %2").arg(number).arg(title);
        ++number;
        QAction *item = mnuWindow->addAction(caption);
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(window)] {
            if (target)
                m_mdiArea->setActiveSubWindow(target);
        });
    }
}

} // namespace tarvello
