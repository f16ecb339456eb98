// The menu bar of the main window (File, Edit, Window and Help), built from
// the command table, and the commands' reactions.
#include "frmmain.h"

#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "commandbar.h"
#include "commandicons.h"
#include "recentfilesmenu.h"
#include "platform/uitext.h"
#include "rules/tablecatalogue.h"

#include <QAction>
#include <QDir>
#include <QHash>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace tarvello {

namespace {

QString text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMenu *addMenu(QWidget *parent, const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QKeySequence::StandardKey standardKey(PlatformKeys keys)
{
    switch (keys) {
    case PlatformKeys::New: return QKeySequence::New;
    case PlatformKeys::Open: return QKeySequence::Open;
    case PlatformKeys::Save: return QKeySequence::Save;
    case PlatformKeys::SaveAs: return QKeySequence::SaveAs;
    case PlatformKeys::Print: return QKeySequence::Print;
    case PlatformKeys::Quit: return QKeySequence::Quit;
    case PlatformKeys::Close: return QKeySequence::Close;
    case PlatformKeys::HelpContents: return QKeySequence::HelpContents;
    case PlatformKeys::None: break;
    }
    return QKeySequence::UnknownKey;
}

// The keys every desktop program uses, shown beside the menu items: the usual
// key first, then whatever else the platform binds to the same command.
QList<QKeySequence> keysOf(const CommandRow &row)
{
    QList<QKeySequence> keys = QKeySequence::listFromString(text(row.keys));
    if (row.platformKeys != PlatformKeys::None) {
        for (const QKeySequence &key : QKeySequence::keyBindings(standardKey(row.platformKeys))) {
            if (!keys.contains(key))
                keys.append(key);
        }
    }
    return keys;
}

QString tipOf(const CommandRow &row)
{
    const QString tip = coreText(row.tip);
    if (row.tipKind == DocumentKind::Unknown)
        return tip;
    return tip.arg(QLatin1String(DocumentKindFacts(row.tipKind).extension));
}

} // namespace

void frmMain::buildMenus()
{
    QHash<QString, QMenu *> menus;
    for (const CommandRow &row : kCommandRows) {
        const QString name = text(row.name);
        QMenu *parent = menus.value(text(row.parent));
        if (row.kind == RowKind::Menu) {
            QMenu *menu = addMenu(this, name, coreText(row.caption));
            if (!row.tip.empty())
                menu->menuAction()->setToolTip(tipOf(row));
            if (parent)
                parent->addMenu(menu);
            else
                menuBar()->addMenu(menu);
            menus.insert(name, menu);
        } else if (row.kind == RowKind::Separator) {
            parent->addSeparator()->setObjectName(name);
        } else {
            m_commands[static_cast<std::size_t>(row.command)] = addCommand(row, parent);
        }
    }
    mnuFile = menus.value(QStringLiteral("mnuFile"));
    mnuResources = menus.value(QStringLiteral("mnuResources"));
    mnuEdit = menus.value(QStringLiteral("mnuEdit"));
    mnuWindow = menus.value(QStringLiteral("mnuWindow"));
    fillResourcesMenu();
    m_recentFiles = new RecentFilesMenu(menus.value(QStringLiteral("mnuFile_OpenRecent")),
                                        settingsFile(), this);
    connect(m_recentFiles, &RecentFilesMenu::chosen, this, &frmMain::openRecent);
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::updateFileMenu);
    // The shortcuts act while the menu is shut: its enabling follows the
    // active child as soon as it changes, not only when the menu opens.
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::updateFileMenu);
    followHistory();
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);
    fillWindowMenu();
}

// One command's item. The items of the Window menu belong to the main window,
// which keeps their shortcuts working while the menu is shut; the menu lists
// them first (fillWindowMenu).
QAction *frmMain::addCommand(const CommandRow &row, QMenu *menu)
{
    QAction *action = nullptr;
    if (row.parent == "mnuWindow") {
        action = new QAction(coreText(row.caption), this);
        addAction(action);
    } else {
        action = menu->addAction(coreText(row.caption));
    }
    action->setObjectName(text(row.name));
    action->setShortcuts(keysOf(row));
    if (!row.iconText.empty())
        action->setIconText(coreText(row.iconText));
    if (row.icon != CommandIcon::None)
        action->setIcon(iconFor(row.icon));
    if (!row.tip.empty())
        action->setToolTip(tipOf(row));
    // The document windows do not exist until their creators are registered.
    if (row.greying == Greying::ByCreator || ItemEnabling(row.command, std::nullopt) == false)
        action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, command = row.command] { run(command); });
    return action;
}

void frmMain::fillResourcesMenu()
{
    for (const TableInfo *table : TablesInMenuOrder()) {
        QAction *action = mnuResources->addAction(coreText(table->menuCaption));
        action->setObjectName(QLatin1String(table->menuName));
        action->setToolTip(tr("Edit the rules table %1").arg(action->toolTip()));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, table] {
            openChild(WindowForm::EditTable, QDir(m_context.programFolder).filePath(QString::fromLatin1(table->file)),
                      QString::fromStdString(TableCaption(*table)));
        });
    }
}

void frmMain::run(Command command)
{
    switch (command) {
    case Command::NewFigure: newChild(WindowForm::Figure); break;
    case Command::NewArmy: newChild(WindowForm::Army); break;
    case Command::OpenFigure: openChild(WindowForm::Figure); break;
    case Command::OpenArmy: openChild(WindowForm::Army); break;
    case Command::OpenArmyPack: openArmyPack(); break;
    case Command::ImportArmyText: importArmyText(); break;
    case Command::RefreshResources: refreshResources(); break;
    case Command::Quit: close(); break;
    case Command::Undo:
    case Command::Redo: undoOrRedo(command); break;
    case Command::CloseWindow: m_mdiArea->closeActiveSubWindow(); break;
    case Command::Readme: showReadme(); break;
    case Command::About: showAbout(); break;
    default: forward(command); break;
    }
}

// The toolkit's usual window list: the Window menu's own items, tile and
// cascade, then one checkable item per child window, the active one checked.
void frmMain::fillWindowMenu()
{
    mnuWindow->clear();
    for (const CommandRow &row : kCommandRows) {
        if (row.kind == RowKind::Item && row.parent == "mnuWindow")
            mnuWindow->addAction(command(row.command));
    }
    QAction *tile = mnuWindow->addAction(tr("&Tile"));
    connect(tile, &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    QAction *cascade = mnuWindow->addAction(tr("&Cascade"));
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
