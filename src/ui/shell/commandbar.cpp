#include "commandbar.h"

#include "platform/documentkinds.h"
#include "platform/uitext.h"
#include "shell/settingsfile.h"

#include <QAction>
#include <QActionEvent>
#include <QMenu>
#include <QSettings>

namespace tarvello {

namespace {

const QString kShownKey = QStringLiteral("Window/ToolBar");

// Keeps each item's status tip equal to its tool tip.
class StatusTipFollowsToolTip : public QObject
{
public:
    using QObject::QObject;

    static void follow(QAction *action)
    {
        if (!action->isSeparator())
            action->setStatusTip(action->toolTip());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged)
            follow(static_cast<QActionEvent *>(event)->action());
        return QObject::eventFilter(watched, event);
    }
};

// A tip's "%1" is the extension of its kind of document.
struct Tip
{
    const char *item;
    const char *tip;
    DocumentKind kind = DocumentKind::Unknown;
};

const Tip kTips[] = {
    {"mnuFile_Figure_New", "New Figure: compose a figure in a new figure editor"},
    {"mnuFile_Figure_Open", "Open Figure: open a figure file (%1) in a new figure editor",
     DocumentKind::Figure},
    {"mnuFileArmy_New", "New Army: assemble an army in a new army editor"},
    {"mnuFileArmy_Open", "Open Army: open an army file (%1) in a new army editor",
     DocumentKind::Army},
    {"mnuResources", "Edit one of the rules tables"},
    {"mnuFile_OpenRecent", "Open one of the figures and armies last opened or saved"},
    {"mnuFile_Save", "Save the active window's figure, army, table or card layout"},
    {"mnuFile_SaveAs", "Save the active figure or army in another file"},
    {"mnuFile_Print", "Print the active window's report, card or table"},
    {"mnuFile_PrintPreview", "Print Preview: show the active window's printout before printing it"},
    {"mnuFile_PrintCards", "Print the unit cards of the active figure or army, several to a page"},
    {"mnuFile_Export", "Put the active figure's or army's report on the clipboard as text"},
    {"mnuResources_Reload", "Load the rules tables again, with the changes saved in them"},
    {"mnuFile_UpdateCosts", "Save the army's figures with the costs the rules tables give them now"},
    {"mnuFileQuit", "Close every window and quit Tarvello"},
    {"mnuWindow_Close", "Close the active window"},
    {"mnuHelp_Readme", "Show readme.txt"},
    {"mnuHelp_About", "Show the title window"},
};

} // namespace

CommandBar::CommandBar(const QList<ToolBarCommand> &commands, const QString &settingsFile,
                       QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("tbrCommands"));
    setWindowTitle(QStringLiteral("Tool&bar"));
    setMovable(false);
    toggleViewAction()->setObjectName(QStringLiteral("mnuWindow_ToolBar"));
    for (const ToolBarCommand &command : commands) {
        if (!command.action) {
            addSeparator();
            continue;
        }
        if (command.action->icon().isNull())
            command.action->setIcon(iconFor(command.icon));
        addAction(command.action);
    }
    // A settings file that is a pipe or a device is never opened.
    const auto usable = [settingsFile] { return IsUsableSettingsFile(toFilePath(settingsFile)); };
    const bool shown =
        !usable() || QSettings(settingsFile, QSettings::IniFormat).value(kShownKey, true).toBool();
    setVisible(shown);
    toggleViewAction()->setChecked(shown);
    connect(toggleViewAction(), &QAction::triggered, this, [settingsFile, usable](bool checked) {
        if (!usable())
            return;
        QSettings settings(settingsFile, QSettings::IniFormat);
        settings.setValue(kShownKey, checked);
        settings.sync();
    });
}

void setCommandTips(const QWidget &main)
{
    for (const Tip &tip : kTips) {
        if (auto *action = main.findChild<QAction *>(QLatin1String(tip.item)))
            action->setToolTip(
                tip.kind == DocumentKind::Unknown
                    ? QLatin1String(tip.tip)
                    : QString::fromLatin1(tip.tip).arg(
                          QLatin1String(DocumentKindFacts(tip.kind).extension)));
    }
    if (auto *tables = main.findChild<QMenu *>(QStringLiteral("mnuResources"))) {
        for (QAction *table : tables->actions())
            table->setToolTip(QStringLiteral("Edit the rules table %1").arg(table->toolTip()));
    }
}

void showToolTipsInStatusLine(QMenu *menu)
{
    auto *follower = new StatusTipFollowsToolTip(menu);
    menu->installEventFilter(follower);
    for (QAction *action : menu->actions()) {
        StatusTipFollowsToolTip::follow(action);
        if (action->menu())
            showToolTipsInStatusLine(action->menu());
    }
}

} // namespace tarvello
