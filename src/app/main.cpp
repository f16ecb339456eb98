#include "assembly/documentwindows.h"
#include "platform/qtdialogs.h"
#include "rules/rulestables.h"
#include "platform/appcontext.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"
#include "shell/startup.h"

#include <QApplication>

using namespace tarvello;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvello"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvello.Tarvello"));
    QtDialogs dialogs;
    tarvello::RulesTables tables;
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = &tables;
    context.programFolder = startProgramFolder(dialogs);
    context.picturesFolder = QApplication::applicationDirPath() + QStringLiteral("/pictures");
    const std::unique_ptr<frmSplash> title = showTitleWindow();
    frmMain mainWindow(context);
    registerDocumentWindows(mainWindow);
    markFirstPaint(mainWindow, "main-painted");
    mainWindow.startUp(title.get());
    openCommandLineFiles(mainWindow, app.arguments().mid(1));
    return app.exec();
}
