#include "assembly/carddialogs.h"
#include "assembly/documentwindows.h"
#include "cli/commandline.h"
#include "cli/commandlinerun.h"
#include "platform/qtdialogs.h"
#include "rules/rulestables.h"
#include "platform/appcontext.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/lookandlanguage.h"
#include "shell/recentfilesmenu.h"
#include "shell/startup.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace tarvello;

namespace {

// An option on the command line: the run does its work without a window and
// without a display, and ends.
int runWithoutWindows(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error holds the run's own messages, one line each; Qt's
    // notes about its surroundings (no runtime folder) are left out.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvello"));
    return runCommandLine(QApplication::arguments().mid(1));
}

} // namespace

int main(int argc, char *argv[])
{
    if (IsCommandLineRun(std::vector<std::string>(argv + std::min(argc, 1), argv + argc)))
        return runWithoutWindows(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvello"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvello.Tarvello"));
    // The windows' words and look before the first window; numbers keep the
    // locale's decimal mark whatever the language.
    const QString settingsFile = RecentFilesMenu::defaultSettingsFile();
    installTranslations(app, startLanguage(settingsFile), programTranslationsFolder());
    applyAppearance(keptAppearance(settingsFile));
    QtDialogs dialogs;
    registerCardDialogs(dialogs);
    tarvello::RulesTables tables;
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = &tables;
    const std::optional<QString> programFolder = startProgramFolder(dialogs);
    if (!programFolder)
        return 1;
    context.programFolder = *programFolder;
    checkSettingsFile(dialogs, settingsFile);
    context.picturesFolder = QApplication::applicationDirPath() + QStringLiteral("/pictures");
    const std::unique_ptr<frmSplash> title = showTitleWindow();
    frmMain mainWindow(context);
    registerDocumentWindows(mainWindow);
    markFirstPaint(mainWindow, "main-painted");
    mainWindow.startUp(title.get());
    openCommandLineFiles(mainWindow, app.arguments().mid(1));
    return app.exec();
}
