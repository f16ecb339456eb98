#include "closeprompt.h"

#include "platform/childwindow.h"

namespace tarvello {

IDialogs::Answer askAboutChanges(IDialogs &dialogs, ChildWindow *window, const QString &title,
                                 const QString &text)
{
    window->bringToFront();
    return dialogs.message(window, title, text, IDialogs::Buttons::YesNoCancel,
                           IDialogs::Icon::Question, window->documentSubject());
}

bool askToSaveBeforeClose(IDialogs &dialogs, ChildWindow *window, const QString &title,
                          const QString &text, const std::function<bool()> &save)
{
    switch (askAboutChanges(dialogs, window, title, text)) {
    case IDialogs::Answer::Yes:
        return save();
    case IDialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tarvello
