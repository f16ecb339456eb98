#pragma once

#include <QList>
#include <QToolBar>

class QAction;
class QMenu;

namespace tarvello {

// The main window's toolbar. Its buttons are the menu items' own actions, so
// enabling, keys, pictures and tool tips are the menu's; a null action stands
// for a separator. Its toggle action ("Tool&bar",
// shown in the Window menu) hides and shows it; the choice is kept in the
// settings file and holds at the next start.
class CommandBar : public QToolBar
{
    Q_OBJECT

public:
    CommandBar(const QList<QAction *> &commands, const QString &settingsFile,
               QWidget *parent = nullptr);
};

// While the pointer is on an item of menu (or of a menu below it), the
// status line shows the item's tool tip, also after its caption changes (as
// "Undo Remove Dagger" does) and for items added later.
void showToolTipsInStatusLine(QMenu *menu);

} // namespace tarvello
