// Takes the README's pictures of the program at work on the sample data:
//   tarvello_screenshots DATA_FOLDER OUTPUT_FOLDER
// Each picture is the main window as the player sees it.
#include "assembly/documentwindows.h"
#include "platform/modfunctions.h"
#include "platform/importarmydialog.h"
#include "platform/qtdialogs.h"
#include "army/armyfile.h"
#include "pack/armypack.h"
#include "platform/fileio.h"
#include "platform/uitext.h"
#include "rules/modloaddata.h"
#include "rules/rulestables.h"
#include "platform/appcontext.h"
#include "platform/childwindow.h"
#include "shell/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

#include <cstdio>

using namespace tarvello;

namespace {

void Settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(50);
    }
}

bool Take(frmMain &main, const QString &file)
{
    Settle();
    const bool saved = main.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

void CloseAll(frmMain &main)
{
    for (QMdiSubWindow *window : main.mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
            child->setCloseApproved(true);
    }
    main.mdiArea()->closeAllSubWindows();
    Settle();
}

void Fill(QMdiSubWindow *window, const QSize &size, const QPoint &at = QPoint(0, 0))
{
    if (!window)
        return;
    window->move(at);
    window->resize(size);
}

// The dialogs as the player sees them; the import dialog is also taken as a
// picture, filled with a list, before it answers OK.
class ShotDialogs : public QtDialogs
{
public:
    QString importShot;
    QString importText;
    bool taken = false;

    std::optional<ArmyTextChoice> armyText(QWidget *parent, const ArmyTextQuestion &question) override
    {
        ArmyTextQuestion filled = question;
        filled.text = importText;
        ImportArmyDialog dialog(*this, filled, parent);
        dialog.resize(620, 480);
        dialog.show();
        Settle();
        taken = dialog.grab().save(importShot);
        std::printf("%s %s\n", taken ? "wrote" : "FAILED", qPrintable(importShot));
        return dialog.choice();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvello_screenshots DATA_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    ShotDialogs dialogs;
    tarvello::RulesTables tables;
    tarvello::LoadAllTables(tables, toFilePath(data.absolutePath()), tarvello::GetDecimalSeparator(),
                            [](const tarvello::Failure &failure) { std::fprintf(stderr, "%s\n", failure.Message().c_str()); });
    AppContext context;
    context.dialogs = &dialogs;
    context.tables = &tables;
    context.programFolder = data.absolutePath();
    context.settingsFile = out.filePath(QStringLiteral(".screenshots.conf"));
    frmMain main(context);
    registerDocumentWindows(main);
    main.setModalRunner([](QDialog &) {});
    main.resize(1400, 1060);
    main.show();
    Settle();
    bool ok = true;

    main.openDocument(data.filePath(QStringLiteral("figures/knight_hero.tvf")));
    QMdiSubWindow *figure = main.mdiArea()->activeSubWindow();
    Fill(figure, figure ? figure->sizeHint().expandedTo(QSize(960, 1030)) : QSize());
    ok &= Take(main, out.filePath(QStringLiteral("figure-editor.png")));

    if (auto *card = figure ? figure->widget()->findChild<QPushButton *>(QStringLiteral("btnCard")) : nullptr) {
        card->click();
        Fill(main.mdiArea()->activeSubWindow(), QSize(760, 620), QPoint(420, 150));
        ok &= Take(main, out.filePath(QStringLiteral("unit-card.png")));
    }
    CloseAll(main);

    main.openDocument(data.filePath(QStringLiteral("figures/border_guard.tva")));
    if (QMdiSubWindow *army = main.mdiArea()->activeSubWindow()) {
        // The sample names the installed figure folder; show this one's.
        auto *directory = army->widget()->findChild<QLineEdit *>(QStringLiteral("txtUnitDirectory"));
        directory->setText(data.filePath(QStringLiteral("figures")));
        emit directory->textEdited(directory->text());
        army->widget()->findChild<QPushButton *>(QStringLiteral("btnRefresh"))->click();
        Fill(army, QSize(1380, 860));
        ok &= Take(main, out.filePath(QStringLiteral("army-editor.png")));
    }
    CloseAll(main);

    // The sample army packed, and the pack opened: a new folder beside the
    // figures, named in the status line.
    const QString pack = out.filePath(QStringLiteral("Border Guard.tvz"));
    const std::string army = toFilePath(data.filePath(QStringLiteral("figures/border_guard.tva")));
    const std::string armyBytes = ReadFileBytes(army).value_or("");
    (void)WriteFileAtomically(army, WithArmyDirectory(armyBytes, toFilePath(data.filePath(QStringLiteral("figures")))));
    if (PackArmy(army, toFilePath(pack)).ok()) {
        main.openDocument(pack);
        Fill(main.mdiArea()->activeSubWindow(), QSize(1380, 860));
        ok &= Take(main, out.filePath(QStringLiteral("army-pack.png")));
    }
    CloseAll(main);

    // An army list brought in from text.
    dialogs.importShot = out.filePath(QStringLiteral("import-army.png"));
    dialogs.importText = QStringLiteral("Points Limit: 1500\n1 x Dwarf Captain\n3x Spearman (size 10)\n"
                                        "Elven Archer x2 (size 8)\n1 sir aldric\n2 x Troll\n");
    if (QAction *import = main.findChild<QAction *>(QStringLiteral("mnuFile_ImportArmyText"))) {
        import->trigger();
        ok &= dialogs.taken;
    }
    CloseAll(main);

    QAction *races = main.findChild<QAction *>(QStringLiteral("mnuResources_Races"));
    if (races && races->isEnabled()) {
        races->trigger();
        Fill(main.mdiArea()->activeSubWindow(), QSize(1000, 600));
        ok &= Take(main, out.filePath(QStringLiteral("table-editor.png")));
    } else {
        std::printf("skipped table-editor.png: this build has no table editor\n");
    }
    CloseAll(main);
    return ok ? 0 : 1;
}
