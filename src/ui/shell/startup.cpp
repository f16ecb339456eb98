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

QString startProgramFolder(IDialogs &dialogs)
{
    const QString installFolder = QCoreApplication::applicationDirPath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const Result<std::string> chosen =
        ChooseProgramFolder(toFilePath(installFolder), toFilePath(userFolder));
    if (chosen.ok()) {
        if (chosen.value() != toFilePath(installFolder)) {
            const std::string notice =
                ReplaceEmptyTables(toFilePath(installFolder), chosen.value());
            if (!notice.empty())
                dialogs.message(nullptr, boxTitleText(BoxTitle::Plain),
                                fromFilePath(notice), IDialogs::Buttons::Ok,
                                IDialogs::Icon::Exclamation);
        }
        return fromFilePath(chosen.value());
    }
    showFailure(dialogs, nullptr, chosen.failure(), IDialogs::Icon::None, BoxTitle::Plain);
    return installFolder;
}

void openCommandLineFiles(frmMain &main, const QStringList &paths)
{
    for (const QString &path : paths)
        main.openDocument(QFileInfo(path).absoluteFilePath());
}

} // namespace tarvello
