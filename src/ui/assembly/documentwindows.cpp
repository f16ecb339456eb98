#include "documentwindows.h"

#include "army/frmarmy.h"
#include "figure/frmfigure.h"
#include "shell/frmmain.h"
#include "tableedit/frmedit_table.h"

namespace tarvello {

void registerDocumentWindows(frmMain &main)
{
    frmMain::ChildFactory figures;
    figures.create = [&main]() -> ChildWindow * { return new frmFigure(main.context()); };
    figures.open = [](ChildWindow *child) { static_cast<frmFigure *>(child)->OpenFigure(); };
    figures.openPath = [](ChildWindow *child, const QString &path) {
        static_cast<frmFigure *>(child)->openFigureFile(path);
    };
    main.setChildFactory(WindowForm::Figure, figures);

    frmMain::ChildFactory armies;
    armies.create = [&main]() -> ChildWindow * { return new frmArmy(main.context()); };
    armies.open = [](ChildWindow *child) { static_cast<frmArmy *>(child)->OpenArmy(); };
    armies.openPath = [](ChildWindow *child, const QString &path) {
        static_cast<frmArmy *>(child)->openArmyFile(path);
    };
    armies.importText = [](ChildWindow *child) {
        return static_cast<frmArmy *>(child)->importArmyText();
    };
    main.setChildFactory(WindowForm::Army, armies);

    frmMain::ChildFactory tables;
    tables.create = [&main]() -> ChildWindow * { return new frmEdit_Table(main.context()); };
    tables.openFile = [](ChildWindow *child, const QString &path, const QString &caption) {
        static_cast<frmEdit_Table *>(child)->OpenFile(path, caption);
    };
    main.setChildFactory(WindowForm::EditTable, tables);
}

} // namespace tarvello
