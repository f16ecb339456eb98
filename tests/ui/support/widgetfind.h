#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QStringList>

namespace tarvello {

// Finding a window's controls and menu items by their names in tests.

// The object of type T named name anywhere below root; nullptr when absent.
template<typename T>
T *FindNamed(const QObject *root, const QString &name)
{
    return root->findChild<T *>(name, Qt::FindChildrenRecursively);
}

// The names of a menu's entries in order (items, separators and submenus;
// a submenu appears under its own name).
inline QStringList EntryNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        names.append(action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
}

// The entry of menu whose name (or whose submenu's name) is name.
inline QAction *EntryNamed(const QMenu *menu, const QString &name)
{
    for (QAction *action : menu->actions()) {
        const QString entry = action->menu() ? action->menu()->objectName() : action->objectName();
        if (entry == name)
            return action;
    }
    return nullptr;
}

} // namespace tarvello
