// What makes the main window a desktop program's: the toolbar, the status
// line showing the menu items' tips and the start area of the empty window.
#include "frmmain.h"

#include "platform/appcontext.h"
#include "commandbar.h"
#include "recentfilesmenu.h"
#include "startarea.h"
#include "platform/childwindow.h"
#include "platform/noticebar.h"
#include "platform/uitext.h"
#include "rules/tablecatalogue.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace tarvello {

namespace {

// How long a confirmation stays in the status line.
constexpr int kConfirmationMs = 10000;

} // namespace

void frmMain::buildDesktop()
{
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));
    connect(m_tablesNotice, &NoticeBar::buttonPressed, command(Command::RefreshResources),
            &QAction::trigger);
    for (QAction *menu : menuBar()->actions()) {
        if (menu->menu())
            showToolTipsInStatusLine(menu->menu());
    }

    QList<QAction *> bar;
    for (const std::optional<Command> &button : kToolBarCommands)
        bar.append(button ? command(*button) : nullptr);
    m_commandBar = new CommandBar(bar, settingsFile(), this);
    addToolBar(Qt::TopToolBarArea, m_commandBar);

    QList<QAction *> start;
    for (Command button : kStartCommands)
        start.append(command(button));
    m_startArea = new StartArea(m_mdiArea, start, m_recentFiles);
    connect(m_startArea, &StartArea::chosen, this, &frmMain::openRecent);
    fillWindowMenu();
}

QString frmMain::settingsFile() const
{
    return m_context.settingsFile.isEmpty() ? RecentFilesMenu::defaultSettingsFile()
                                            : m_context.settingsFile;
}

void frmMain::confirm(const QString &text)
{
    statusBar()->showMessage(text, kConfirmationMs);
}

void frmMain::confirmSave(const QString &path)
{
    confirm(tr("Saved %1").arg(QFileInfo(path).fileName()));
    noticeTableSaved(path);
}

void frmMain::noticeTableSaved(const QString &path)
{
    if (!IsProgramTableFile(toFilePath(m_context.programFolder), toFilePath(path)))
        return;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        auto *child = qobject_cast<ChildWindow *>(window->widget());
        if (child && child->usesRulesTables()) {
            m_tablesNotice->showHint(tr("The rules tables were changed. Open editors "
                                         "use them after Refresh Resources."));
            return;
        }
    }
}

} // namespace tarvello
