#include "documentwindows.h"

#include "figure/frmfigure.h"
#include "frmmain.h"

void RegisterDocumentWindows(frmMain &main)
{
    frmMain::ChildFactory figures;
    figures.create = [&main]() -> ChildWindow * { return new frmFigure(main.context()); };
    figures.open = [](ChildWindow *child) { static_cast<frmFigure *>(child)->OpenFigure(); };
    main.setChildFactory(QStringLiteral("frmFigure"), figures);
}
