#include "assembly/documentwindows.h"
#include "platform/qtdialogs.h"
#include "rules/rulestables.h"
#include "platform/appcontext.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/lookandlanguage.h"
#include "shell/recentfilesmenu.h"
#include "shell/startup.h"

#include <QApplication>

using namespace tarvello;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvello"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvello.Tarvello"));
    // The windows' words and look before the first window; numbers keep the
    // locale's decimal mark whatever the language.
    const QString settingsFile = RecentFilesMenu::defaultSettingsFile();
    installTranslations(app, startLanguage(settingsFile), programTranslationsFolder());
    applyAppearance(keptAppearance(settingsFile));
    QtDialogs dialogs;
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
