#include "failurebox.h"

#include "app_version.h"
#include "platform/failure.h"
#include "platform/modfunctions.h"
#include "platform/uitext.h"

namespace tarvello {

QString boxTitleText(BoxTitle title)
{
    if (title == BoxTitle::WithVersion)
        return QString::fromStdString(AppTitle());
    return QString::fromLatin1(kProductName);
}

void showFailure(IDialogs &dialogs, QWidget *parent, const Failure &failure, IDialogs::Icon icon,
                 BoxTitle title)
{
    dialogs.message(parent, boxTitleText(title), fromMessageText(failure.Message()),
                    IDialogs::Buttons::Ok, icon);
}

} // namespace tarvello
