#include "closeprompt.h"

#include "platform/idialogs.h"

namespace tarvello {

bool askToSaveBeforeClose(IDialogs &dialogs, QWidget *parent, const QString &title,
                          const QString &text, const std::function<bool()> &save)
{
    switch (dialogs.message(parent, title, text, IDialogs::Buttons::YesNoCancel,
                            IDialogs::Icon::Question)) {
    case IDialogs::Answer::Yes:
        return save();
    case IDialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tarvello
