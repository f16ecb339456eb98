#include "startup.h"
#include "platform/failurebox.h"

#include "app_version.h"
#include "frmmain.h"
#include "platform/homefolder.h"
#include "platform/idialogs.h"
#include "platform/uitext.h"
#include "recentfilesmenu.h"
#include "shell/programfolder.h"
#include "shell/settingsfile.h"

#include "frmsplash.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWindow>

#include <cstdio>

#include <cstdlib>

namespace tarvello {

namespace {

// Writes the time of a window's first paint, then leaves the window alone.
class FirstPaintMark : public QObject
{
public:
    FirstPaintMark(QWidget &window, const char *what)
        : QObject(&window)
        , m_what(what)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fprintf(stderr, "%s %lld\n", m_what,
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    const char *m_what;
};

// The player's data folder; none without a home folder. A HOME that is not
// set is taken from the user database, so that the data folder, the settings
// file and the file dialogs all start there, never at the root of the disk.
std::optional<std::string> userDataFolder()
{
    const std::optional<std::string> home = PlayerHomeFolder(std::getenv("HOME"));
    if (!home)
        return std::nullopt;
    qputenv("HOME", QByteArray::fromStdString(*home));
    return toFilePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace

void markFirstPaint(QWidget &window, const char *what)
{
    if (qEnvironmentVariableIsSet("TARVELLO_STARTUP_TIMES"))
        new FirstPaintMark(window, what);
}

std::unique_ptr<frmSplash> showTitleWindow()
{
    auto title = std::make_unique<frmSplash>();
    markFirstPaint(*title, "title-painted");
    title->show();
    // Until the window system has put it on the screen (half a second at most),
    // then once more for its paint; keys wait for the title's own loop.
    QElapsedTimer waited;
    waited.start();
    constexpr auto kQuiet = QEventLoop::ExcludeUserInputEvents;
    while (!(title->windowHandle() && title->windowHandle()->isExposed())
           && waited.elapsed() < 500)
        QCoreApplication::processEvents(kQuiet, 10);
    QCoreApplication::processEvents(kQuiet);
    return title;
}

std::optional<QString> startProgramFolder(IDialogs &dialogs)
{
    const QString installFolder = QCoreApplication::applicationDirPath();
    const ProgramFolderChoice chosen = ChooseProgramFolder(toFilePath(installFolder), userDataFolder());
    if (chosen.failure)
        showFailure(dialogs, nullptr, *chosen.failure, IDialogs::Icon::None, BoxTitle::Plain);
    if (chosen.folder.empty())
        return std::nullopt;
    if (chosen.folder != toFilePath(installFolder)) {
        const std::string notice = ReplaceEmptyTables(toFilePath(installFolder), chosen.folder);
        if (!notice.empty())
            dialogs.message(nullptr, boxTitleText(BoxTitle::Plain), fromMessageText(notice),
                            IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
    }
    return fromFilePath(chosen.folder);
}

void checkSettingsFile(IDialogs &dialogs, const QString &settingsFile)
{
    if (settingsFile.isEmpty() || IsUsableSettingsFile(toFilePath(settingsFile)))
        return;
    dialogs.message(nullptr, boxTitleText(BoxTitle::Plain),
                    fromMessageText(UnusableSettingsNotice(toFilePath(settingsFile))),
                    IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
}

void openCommandLineFiles(frmMain &main, const QStringList &paths)
{
    for (const QString &path : paths)
        main.openDocument(QFileInfo(path).absoluteFilePath());
}

} // namespace tarvello
