#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tarvello {

class IDialogs;

// The question a document window asks before it closes with unsaved changes
// (Yes, No, Cancel). Yes runs save and closes only when it succeeded: a
// cancelled save dialog or a failed write keeps the window and its changes.
// No closes; Cancel keeps the window. True when the window may close.
bool askToSaveBeforeClose(IDialogs &dialogs, QWidget *parent, const QString &title,
                          const QString &text, const std::function<bool()> &save);

} // namespace tarvello
