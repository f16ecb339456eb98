#pragma once

#include "commandicons.h"

#include <QList>
#include <QToolBar>

class QAction;
class QMenu;

namespace tarvello {

// One button of the toolbar: a menu item's own action and its picture; a
// null action stands for a separator.
struct ToolBarCommand
{
    QAction *action = nullptr;
    CommandIcon icon = CommandIcon::Save;
};

// The main window's toolbar. Its buttons are the menu items' own actions, so
// enabling, keys and tool tips are the menu's. Its toggle action ("Tool&bar",
// shown in the Window menu) hides and shows it; the choice is kept in the
// settings file and holds at the next start.
class CommandBar : public QToolBar
{
    Q_OBJECT

public:
    CommandBar(const QList<ToolBarCommand> &commands, const QString &settingsFile,
               QWidget *parent = nullptr);
};

// The tool tips of the main window's menu items, found by their names: what
// each command does. Items without one show their caption.
void setCommandTips(const QWidget &main);

// While the pointer is on an item of menu (or of a menu below it), the
// status line shows the item's tool tip, also after its caption changes (as
// "Undo Remove Dagger" does) and for items added later.
void showToolTipsInStatusLine(QMenu *menu);

} // namespace tarvello
