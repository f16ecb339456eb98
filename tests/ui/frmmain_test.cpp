#include "scripteddialogs.h"
#include "widgetfind.h"

#include "rules/rulestables.h"
#include "shell/appcontext.h"
#include "shell/childwindow.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A document window that counts what the main window asks of it.
class FakeChild : public ChildWindow
{
public:
    FakeChild(const QString &formName, QStringList *log = nullptr)
        : m_log(log)
    {
        setObjectName(formName);
        setWindowTitle(formName);
    }

    void Save() override { ++saves; }
    void SaveAs() override { ++saveAses; }
    void PrintIt() override { ++prints; }
    void Export() override { ++exports; }
    bool QueryClose() override
    {
        ++queries;
        if (m_log)
            m_log->append(windowTitle());
        return allowClose;
    }

    int saves = 0;
    int saveAses = 0;
    int prints = 0;
    int exports = 0;
    int queries = 0;
    bool allowClose = true;

private:
    QStringList *m_log;
};

// One valid data row per table, after a header line.
const QList<QPair<const char *, const char *>> kTableRows = {
    {"armortypes.skv", "Leather;5;6;7;8"},
    {"races.skv", "Human;1"},
    {"defensefactor.skv", "0;1.5"},
    {"move.skv", "Foot;6;1.25"},
    {"meleeweapons.skv", "Sword;3;"},
    {"missileweapons.skv", "Bow;4;1;10;20;long"},
    {"extraitems.skv", "Potion;5;0;0;0;0;heals"},
    {"commandskill.skv", "Captain;2;10"},
    {"greenattackroll.skv", "0;1;2;3;4;5;6;7;8;9;10;1.0;1.5"},
    {"lineattackroll.skv", "0;1;2;3;4;5;6;7;8;9;10;1.0;1.5"},
    {"eliteattackroll.skv", "0;1;2;3;4;5;6;7;8;9;10;1.0;1.5"},
};

void WriteTables(const QString &folder, const QString &skip)
{
    for (const auto &[file, row] : kTableRows) {
        if (skip == QLatin1String(file))
            continue;
        QFile out(folder + QLatin1Char('/') + QLatin1String(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("Header;Columns\r\n") + row + "\r\n");
    }
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuBarHoldsFileWindowHelp();
    void menuTree_data();
    void menuTree();
    void documentItemsWaitForTheirCreators();
    void captionIsAppTitle();
    void forwarding_data();
    void forwarding();
    void forwardingWithoutChildDoesNothing();
    void fileMenuEnablesSaveAsAndExportByActiveChild();
    void childFactoriesCreateOpenAndShowChildren();
    void windowMenuListsAndActivatesChildren();
    void quitWithOneRefusalClosesNothing();
    void quitWithAllApprovedClosesEverything();
    void closeBoxAsksLikeQuit();
    void refreshResourcesReportsMissingTableAndLoadsOthers();
    void startUpShowsSplashBeforeLoadingThenMaximizes();
    void startUpGoesOnWhenSplashKeyPressed();
    void printItAnswersTheSetupDialog();

private:
    QMenu *menu(const char *name) { return FindNamed<QMenu>(m_main, QLatin1String(name)); }
    QAction *action(const char *name) { return FindNamed<QAction>(m_main, QLatin1String(name)); }
    FakeChild *addFake(const QString &form, QStringList *log = nullptr);
    void openFileMenu() { emit menu("mnuFile")->aboutToShow(); }

    QTemporaryDir m_folder;
    ScriptedDialogs *m_dialogs = nullptr;
    tarvello::RulesTables *m_tables = nullptr;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

void FrmMainTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_folder.isValid());
}

void FrmMainTest::init()
{
    m_dialogs = new ScriptedDialogs;
    m_tables = new tarvello::RulesTables;
    m_context = AppContext{m_dialogs, m_tables, m_folder.path(), {}, nullptr,
                           m_folder.filePath(QStringLiteral("tarvello.conf"))};
    m_main = new frmMain(m_context);
    m_main->setModalRunner([](QDialog &) {});
    m_main->show();
}

void FrmMainTest::cleanup()
{
    // Closing for tear-down must not ask anything of the remaining fakes.
    for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
            child->setCloseApproved(true);
    }
    delete m_main;
    delete m_tables;
    delete m_dialogs;
}

FakeChild *FrmMainTest::addFake(const QString &form, QStringList *log)
{
    auto *child = new FakeChild(form, log);
    m_main->addChild(child);
    return child;
}

void FrmMainTest::menuBarHoldsFileWindowHelp()
{
    QStringList names;
    QStringList captions;
    for (QAction *entry : m_main->menuBar()->actions()) {
        QVERIFY(entry->menu());
        names.append(entry->menu()->objectName());
        captions.append(entry->text());
    }
    QCOMPARE(names, QStringList({"mnuFile", "mnuWindow", "mnuHelp"}));
    QCOMPARE(captions, QStringList({"&File", "&Window", "&Help"}));
}

void FrmMainTest::menuTree_data()
{
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("captions");

    const QString sep; // separators have no caption
    QTest::newRow("File") << "mnuFile"
        << QStringList{"mnuFile_New", "mnuFile_Open", "mnuFile_OpenRecent", "mnuFileSep2", "mnuFile_Save",
                       "mnuFile_SaveAs", "mnuFileSep0", "mnuFile_Print", "mnuFile_PrintPreview",
                       "mnuFile_Export", "mnuFileSep1", "mnuResources_Reload", "mnuFileSep3",
                       "mnuFileQuit"}
        << QStringList{"&New", "&Open", "Open Recen&t", sep, "&Save", "Save &As", sep, "&Print", "Print Pre&view",
                       "&Export", sep, "&Refresh Resources", sep, "&Quit"};
    QTest::newRow("New") << "mnuFile_New"
        << QStringList{"mnuFile_Figure_New", "mnuFileArmy_New"}
        << QStringList{"&Figure", "&Army"};
    QTest::newRow("Open") << "mnuFile_Open"
        << QStringList{"mnuFile_Figure_Open", "mnuFileArmy_Open", "mnuResources"}
        << QStringList{"&Figure", "&Army", "&Resource"};
    QTest::newRow("Resource") << "mnuResources"
        << QStringList{"mnuResources_MeleeWeapons", "mnuResources_MissileWeapons",
                       "mnuResources_ArmorTypes", "mnuResources_Races", "mnuResources_Moves",
                       "mnuResources_ExtraItems", "mnuResources_CommandSkill",
                       "mnuResources_DefenseFactor", "mnuResources_GreenAttackRoll",
                       "mnuResources_LineAttackRoll", "mnuResources_EliteAttackRoll"}
        << QStringList{"M&elee Weapons", "M&issile Weapons", "&Armor Types", "&Races",
                       "M&ovement Types", "E&xtra Items", "Command Skill", "Defense Factor",
                       "Green Attack Roll", "Line Attack Roll", "Elite Attack Roll"};
    QTest::newRow("Help") << "mnuHelp"
        << QStringList{"mnuHelp_Readme", "mnuHelp_About"}
        << QStringList{"&Readme", "&About"};
}

void FrmMainTest::menuTree()
{
    QFETCH(QString, menuName);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, captions);

    QMenu *m = FindNamed<QMenu>(m_main, menuName);
    QVERIFY(m);
    QCOMPARE(EntryNames(m), entries);
    QStringList shown;
    for (QAction *entry : m->actions()) {
        QCOMPARE(entry->isSeparator(), entry->text().isEmpty());
        shown.append(entry->text());
    }
    QCOMPARE(shown, captions);
    for (const QString &name : entries) {
        if (name.startsWith(QLatin1String("mnuFileSep")))
            QVERIFY(EntryNamed(m, name)->isSeparator());
    }
}

void FrmMainTest::documentItemsWaitForTheirCreators()
{
    for (const char *name : {"mnuFile_Figure_New", "mnuFile_Figure_Open", "mnuFileArmy_New",
                             "mnuFileArmy_Open"})
        QVERIFY2(action(name)->isEnabled(), name);
    for (QAction *item : menu("mnuResources")->actions())
        QVERIFY(!item->isEnabled());
    for (const char *name : {"mnuFile_Save", "mnuFile_SaveAs", "mnuFile_Print",
                             "mnuFile_PrintPreview", "mnuFile_Export", "mnuResources_Reload",
                             "mnuFileQuit", "mnuHelp_Readme", "mnuHelp_About"})
        QVERIFY2(action(name)->isEnabled(), name);
}

void FrmMainTest::captionIsAppTitle()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tarvello 1.0.0"));
}

void FrmMainTest::forwarding_data()
{
    QTest::addColumn<QString>("form");
    // Calls of Save, SaveAs, PrintIt, Export after one click of each item.
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("figure") << "frmFigure" << QList<int>{1, 1, 1, 1};
    QTest::newRow("army") << "frmArmy" << QList<int>{1, 1, 1, 1};
    QTest::newRow("unit card") << "frmUnitCard" << QList<int>{1, 0, 1, 0};
    QTest::newRow("table editor") << "frmEdit_Table" << QList<int>{1, 0, 1, 0};
    QTest::newRow("unknown form") << "frmSomethingElse" << QList<int>{0, 0, 0, 0};
}

void FrmMainTest::forwarding()
{
    QFETCH(QString, form);
    QFETCH(QList<int>, expected);

    FakeChild *other = addFake(QStringLiteral("frmFigure"));
    FakeChild *child = addFake(form);
    QCOMPARE(m_main->activeChild(), child);

    action("mnuFile_Save")->trigger();
    action("mnuFile_SaveAs")->trigger();
    action("mnuFile_Print")->trigger();
    action("mnuFile_Export")->trigger();

    QCOMPARE((QList<int>{child->saves, child->saveAses, child->prints, child->exports}), expected);
    // Only the active child is addressed.
    QCOMPARE((QList<int>{other->saves, other->saveAses, other->prints, other->exports}),
             (QList<int>{0, 0, 0, 0}));
}

void FrmMainTest::forwardingWithoutChildDoesNothing()
{
    for (const char *name : {"mnuFile_Save", "mnuFile_SaveAs", "mnuFile_Print", "mnuFile_Export"})
        action(name)->trigger();
    QVERIFY(m_dialogs->calls.isEmpty());
    QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
}

void FrmMainTest::fileMenuEnablesSaveAsAndExportByActiveChild()
{
    QAction *saveAs = action("mnuFile_SaveAs");
    QAction *exportItem = action("mnuFile_Export");

    FakeChild *card = addFake(QStringLiteral("frmUnitCard"));
    openFileMenu();
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!exportItem->isEnabled());
    QVERIFY(action("mnuFile_Save")->isEnabled());
    QVERIFY(action("mnuFile_Print")->isEnabled());

    // Save As with the card active does nothing.
    saveAs->trigger();
    QCOMPARE(card->saveAses, 0);

    FakeChild *army = addFake(QStringLiteral("frmArmy"));
    openFileMenu();
    QVERIFY(saveAs->isEnabled());
    QVERIFY(exportItem->isEnabled());

    addFake(QStringLiteral("frmEdit_Table"));
    openFileMenu();
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!exportItem->isEnabled());

    // A window of another kind leaves the states as they were.
    action("mnuHelp_Readme")->trigger();
    QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmReadme"));
    openFileMenu();
    QVERIFY(!saveAs->isEnabled());

    m_main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(army->parentWidget()));
    openFileMenu();
    QVERIFY(saveAs->isEnabled());

    // With no child at all the states stay as last set, enabled or not.
    m_main->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    openFileMenu();
    QVERIFY(saveAs->isEnabled());
    QVERIFY(exportItem->isEnabled());
    addFake(QStringLiteral("frmUnitCard"));
    openFileMenu();
    m_main->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    openFileMenu();
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!exportItem->isEnabled());
}

void FrmMainTest::childFactoriesCreateOpenAndShowChildren()
{
    QStringList log;
    frmMain::ChildFactory figures;
    figures.create = [&log] {
        log.append(QStringLiteral("create"));
        return new FakeChild(QStringLiteral("frmFigure"));
    };
    figures.open = [&log](ChildWindow *child) {
        // Opening runs before the editor is shown.
        log.append(child->isVisible() ? QStringLiteral("open shown") : QStringLiteral("open hidden"));
    };
    m_main->setChildFactory(QStringLiteral("frmFigure"), figures);
    QVERIFY(action("mnuFile_Figure_New")->isEnabled());
    QVERIFY(action("mnuFile_Figure_Open")->isEnabled());

    action("mnuFile_Figure_New")->trigger();
    action("mnuFile_Figure_Open")->trigger();
    QCOMPARE(log, QStringList({"create", "create", "open hidden"}));
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 2);
    for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList())
        QVERIFY(window->isVisible());

    QList<QPair<QString, QString>> opened;
    frmMain::ChildFactory tables;
    tables.create = [] { return new FakeChild(QStringLiteral("frmEdit_Table")); };
    tables.openFile = [&opened](ChildWindow *child, const QString &path, const QString &caption) {
        QVERIFY(child->isVisible());
        opened.append({path, caption});
    };
    m_main->setChildFactory(QStringLiteral("frmEdit_Table"), tables);
    for (QAction *item : menu("mnuResources")->actions())
        QVERIFY(item->isEnabled());
    action("mnuResources_Moves")->trigger();
    action("mnuResources_DefenseFactor")->trigger();
    const QString folder = m_folder.path() + QLatin1Char('/');
    QCOMPARE(opened, (QList<QPair<QString, QString>>{
                         {folder + "move.skv", "Movement Types"},
                         {folder + "defensefactor.skv", "Defense Factor"}}));
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 4);
}

void FrmMainTest::windowMenuListsAndActivatesChildren()
{
    FakeChild *first = addFake(QStringLiteral("frmFigure"));
    addFake(QStringLiteral("frmArmy"));
    QMenu *windows = menu("mnuWindow");
    emit windows->aboutToShow();
    QList<QAction *> listed;
    for (QAction *entry : windows->actions()) {
        if (entry->isCheckable())
            listed.append(entry);
    }
    QCOMPARE(listed.size(), 2);
    QVERIFY(listed.at(0)->text().endsWith(QLatin1String("frmFigure")));
    QVERIFY(listed.at(1)->isChecked());
    listed.at(0)->trigger();
    QCOMPARE(m_main->activeChild(), first);
}

void FrmMainTest::quitWithOneRefusalClosesNothing()
{
    QStringList asked;
    FakeChild *first = addFake(QStringLiteral("frmFigure"), &asked);
    first->setWindowTitle(QStringLiteral("first"));
    FakeChild *second = addFake(QStringLiteral("frmFigure"), &asked);
    second->setWindowTitle(QStringLiteral("second"));
    second->allowClose = false;

    action("mnuFileQuit")->trigger();
    QCOMPARE(asked, QStringList({"first", "second"}));
    QCOMPARE(m_main->mdiArea()->subWindowList().size(), 2);
    QVERIFY(first->isVisible());
    QVERIFY(second->isVisible());
    QVERIFY(m_main->isVisible());
}

void FrmMainTest::quitWithAllApprovedClosesEverything()
{
    QStringList asked;
    QPointer<FakeChild> first = addFake(QStringLiteral("frmFigure"), &asked);
    first->setWindowTitle(QStringLiteral("first"));
    QPointer<FakeChild> second = addFake(QStringLiteral("frmArmy"), &asked);
    second->setWindowTitle(QStringLiteral("second"));

    action("mnuFileQuit")->trigger();
    // Each child is asked exactly once, also while it is being closed.
    QCOMPARE(asked, QStringList({"first", "second"}));
    QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!m_main->isVisible());
    QTRY_VERIFY(!first && !second);
}

void FrmMainTest::closeBoxAsksLikeQuit()
{
    QStringList asked;
    FakeChild *child = addFake(QStringLiteral("frmEdit_Table"), &asked);
    child->allowClose = false;
    QVERIFY(!m_main->close());
    QCOMPARE(asked.size(), 1);
    QVERIFY(m_main->isVisible());
    child->allowClose = true;
    QVERIFY(m_main->close());
    QCOMPARE(asked.size(), 2);
}

void FrmMainTest::refreshResourcesReportsMissingTableAndLoadsOthers()
{
    WriteTables(m_folder.path(), QStringLiteral("races.skv"));
    m_tables->Races.push_back({"Elf", 2}); // a reload keeps the rows of a missing table

    action("mnuResources_Reload")->trigger();

    QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::Message), 1);
    const ScriptedDialogs::Call box = m_dialogs->calls.at(0);
    QCOMPARE(box.title, QStringLiteral("Tarvello"));
    QCOMPARE(box.buttons, IDialogs::Buttons::Ok);
    QVERIFY2(box.text.startsWith(QLatin1String("Error in reading race data!\r\n")), qPrintable(box.text));
    QVERIFY(box.text.size() > int(strlen("Error in reading race data!\r\n")));

    QCOMPARE(m_tables->Races.size(), std::size_t(1));
    QCOMPARE(m_tables->Races.at(0).Name, std::string("Elf"));
    QCOMPARE(m_tables->ArmorTypes.size(), std::size_t(1));
    QCOMPARE(m_tables->ArmorTypes.at(0).Name, std::string("Leather"));
    QCOMPARE(m_tables->ArmorTypes.at(0).SpecialHitFactor, std::int16_t(8));
    QCOMPARE(m_tables->DefenseFactors, std::vector<double>{1.5});
    QCOMPARE(m_tables->Moves.at(0).MoveMultiplier, 1.25);
    QCOMPARE(m_tables->MeleeWeapons.at(0).Name, std::string("Sword"));
    QCOMPARE(m_tables->MissileWeapons.at(0).LongRange, std::int16_t(20));
    QCOMPARE(m_tables->ExtraItems.at(0).Notes, std::string("heals"));
    QCOMPARE(m_tables->CommandSkills.at(0).Cost, std::int16_t(10));
    QCOMPARE(m_tables->GreenAttackRolls.size(), std::size_t(1));
    QCOMPARE(m_tables->LineAttackRolls.at(0).Rolls[9], std::int16_t(10));
    QCOMPARE(m_tables->EliteAttackRolls.at(0).MissileMultiplier, 1.5);
}

void FrmMainTest::startUpShowsSplashBeforeLoadingThenMaximizes()
{
    WriteTables(m_folder.path(), QStringLiteral("races.skv"));
    delete m_main;
    m_main = new frmMain(m_context);

    QStringList events;
    m_main->setModalRunner([&](QDialog &dialog) {
        events.append(dialog.objectName());
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Tarvello 1.0.0"));
        QVERIFY(!m_main->isVisible());
        QVERIFY(m_tables->ArmorTypes.empty());
    });
    m_dialogs->onCall = [&](const ScriptedDialogs::Call &call) {
        events.append(call.text.section(QLatin1Char('\r'), 0, 0));
        QVERIFY(!m_main->isVisible());
    };

    m_main->startUp();

    QCOMPARE(events, QStringList({"frmSplash", "Error in reading race data!"}));
    QVERIFY(m_main->isVisible());
    QVERIFY(m_main->windowState() & Qt::WindowMaximized);
    QCOMPARE(m_tables->ArmorTypes.size(), std::size_t(1));
    QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
}

void FrmMainTest::startUpGoesOnWhenSplashKeyPressed()
{
    WriteTables(m_folder.path(), QString());
    delete m_main;
    m_main = new frmMain(m_context); // the real modal run of the splash

    bool splashSeen = false;
    QTimer press;
    press.setSingleShot(true);
    connect(&press, &QTimer::timeout, this, [&splashSeen] {
        QWidget *modal = QApplication::activeModalWidget();
        splashSeen = modal && modal->objectName() == QLatin1String("frmSplash");
        if (modal)
            QTest::keyClick(modal, Qt::Key_Space);
    });
    press.start(50);
    // Safety net: a splash that ignores the key must not hang the test.
    bool forced = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, this, [&forced] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            forced = true;
            modal->done(QDialog::Rejected);
        }
    });
    rescue.start(3000);

    m_main->startUp();
    QVERIFY(splashSeen);
    QVERIFY(!forced);
    QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::Message), 0);
    QCOMPARE(m_tables->Races.size(), std::size_t(1));
    QVERIFY(m_main->windowState() & Qt::WindowMaximized);
}

void FrmMainTest::printItAnswersTheSetupDialog()
{
    m_dialogs->printerSetupAnswers.enqueue(true);
    m_dialogs->printerSetupAnswers.enqueue(false);
    QVERIFY(m_main->PrintIt());
    QVERIFY(!m_main->PrintIt());
    QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::PrinterSetup), 2);
    const ScriptedDialogs::Call call = m_dialogs->calls.at(0);
    QCOMPARE(call.parent, m_main);
    QVERIFY(call.printer);
    QCOMPARE(call.printer, m_main->printer());
    // The Print item forwards to the child and does not show the dialog itself.
    addFake(QStringLiteral("frmFigure"));
    action("mnuFile_Print")->trigger();
    QCOMPARE(m_dialogs->count(ScriptedDialogs::Kind::PrinterSetup), 2);
}

QTEST_MAIN(FrmMainTest)
#include "frmmain_test.moc"
