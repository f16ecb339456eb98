#include "startup.h"
#include "platform/failurebox.h"

#include "app_version.h"
#include "frmmain.h"
#include "platform/idialogs.h"
#include "platform/uitext.h"
#include "shell/programfolder.h"

#include "frmsplash.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWindow>

#include <cstdio>

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
