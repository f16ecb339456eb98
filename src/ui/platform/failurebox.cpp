#include "failurebox.h"

#include "app_version.h"
#include "platform/failure.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"

namespace tarvello {

QString BoxTitleText(BoxTitle title)
{
    if (title == BoxTitle::WithVersion)
        return QString::fromStdString(AppTitle());
    return QString::fromLatin1(kProductName);
}

void ShowFailure(IDialogs &dialogs, QWidget *parent, const Failure &failure, IDialogs::Icon icon,
                 BoxTitle title)
{
    dialogs.message(parent, BoxTitleText(title), FromFileText(failure.Message()),
                    IDialogs::Buttons::Ok, icon);
}

} // namespace tarvello
