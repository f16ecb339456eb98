#include "platform/qtdialogs.h"
#include "rules/rulestables.h"
#include "shell/appcontext.h"
#include "shell/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    tarvello::RulesTables tables;
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = &tables;
    context.programFolder = QCoreApplication::applicationDirPath();
    frmMain mainWindow(context);
    mainWindow.startUp();
    return app.exec();
}
