#pragma once

#include "platform/idialogs.h"

#include <QString>

#include <functional>

namespace tarvello {

class ChildWindow;

// The question a document window asks before it closes with unsaved changes
// (Yes, No, Cancel). The window comes to the front first, and the box names
// its document under text (ChildWindow::documentSubject). Returns the answer.
IDialogs::Answer askAboutChanges(IDialogs &dialogs, ChildWindow *window, const QString &title,
                                 const QString &text);

// askAboutChanges, then: Yes runs save and closes only when it succeeded (a
// cancelled save dialog or a failed write keeps the window and its changes);
// No closes; Cancel keeps the window. True when the window may close.
bool askToSaveBeforeClose(IDialogs &dialogs, ChildWindow *window, const QString &title,
                          const QString &text, const std::function<bool()> &save);

} // namespace tarvello
