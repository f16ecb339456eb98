#include "startup.h"
#include "platform/failurebox.h"

#include "app_version.h"
#include "frmmain.h"
#include "platform/idialogs.h"
#include "platform/uitext.h"
#include "shell/programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvello {

QString StartProgramFolder(IDialogs &dialogs)
{
    const QString installFolder = QCoreApplication::applicationDirPath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const tarvello::Result<std::string> chosen =
        tarvello::ChooseProgramFolder(ToFilePath(installFolder), ToFilePath(userFolder));
    if (chosen.ok()) {
        if (chosen.value() != ToFilePath(installFolder)) {
            const std::string notice =
                tarvello::ReplaceEmptyTables(ToFilePath(installFolder), chosen.value());
            if (!notice.empty())
                dialogs.message(nullptr, BoxTitleText(BoxTitle::Plain),
                                FromFilePath(notice), IDialogs::Buttons::Ok,
                                IDialogs::Icon::Exclamation);
        }
        return FromFilePath(chosen.value());
    }
    ShowFailure(dialogs, nullptr, chosen.failure(), IDialogs::Icon::None, BoxTitle::Plain);
    return installFolder;
}

void OpenCommandLineFiles(frmMain &main, const QStringList &paths)
{
    for (const QString &path : paths)
        main.openDocument(QFileInfo(path).absoluteFilePath());
}

} // namespace tarvello
