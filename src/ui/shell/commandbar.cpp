#include "commandbar.h"

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

} // namespace

CommandBar::CommandBar(const QList<QAction *> &commands, const QString &settingsFile,
                       QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("tbrCommands"));
    setWindowTitle(tr("Tool&bar"));
    setMovable(false);
    toggleViewAction()->setObjectName(QStringLiteral("mnuWindow_ToolBar"));
    for (QAction *command : commands) {
        if (command)
            addAction(command);
        else
            addSeparator();
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
