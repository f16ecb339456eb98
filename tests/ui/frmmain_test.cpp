#include "windowtest.h"

#include "figure/figuremodel.h"
#include "army/frmarmy.h"
#include "figure/frmfigure.h"
#include "shell/frmreadme.h"
#include "shell/frmsplash.h"
#include "shell/startup.h"
#include "platform/screentwips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QScrollBar>
#include <QtTest>

using namespace tarvello;

namespace {

// A document window of the form named (or of no known form) that counts
// what the main window asks of it.
class FakeChild : public ChildWindow
{
public:
    FakeChild(const QString &formName, QStringList *log = nullptr)
        : m_log(log)
    {
        if (const std::optional<WindowForm> form = FormOfName(formName.toStdString()))
            setForm(*form);
        else
            setObjectName(formName);
        setWindowTitle(formName);
    }

    void Save() override { ++saves; }
    void SaveAs() override { ++saveAses; }
    void PrintIt() override { ++prints; }
    void Export() override { ++exports; }
    void figureFilesChanged(const QStringList &paths) override { filesChanged += paths; }
    bool queryClose() override
    {
        if (m_log)
            m_log->append(windowTitle());
        return allowClose;
    }

    int saves = 0;
    int saveAses = 0;
    int prints = 0;
    int exports = 0;
    QStringList filesChanged;
    bool allowClose = true;

private:
    QStringList *m_log;
};

// The shipped tables in folder, but for skip.
void WriteTables(const QString &folder, const QString &skip)
{
    const QDir shipped(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR));
    for (const QString &file : shipped.entryList({QStringLiteral("*.skv")})) {
        const QString target = folder + QLatin1Char('/') + file;
        QFile::remove(target);
        if (file != skip)
            QVERIFY(QFile::copy(shipped.filePath(file), target));
    }
}

} // namespace

class FrmMainTest : public QObject, public WindowTest
{
    Q_OBJECT

    QMenu *menu(const char *name) { return Named<QMenu>(m_main, name); }
    FakeChild *addFake(const QString &form, QStringList *log = nullptr)
    {
        auto *child = new FakeChild(form, log);
        m_main->addChild(child);
        return child;
    }
    QString readmePath() const { return tempPath(QStringLiteral("readme.txt")); }
    frmReadme *openReadme()
    {
        action("mnuHelp_Readme")->trigger();
        return Named<frmReadme>(m_main, "frmReadme");
    }
    static void changeName(frmFigure *figure, const QString &name)
    {
        auto *field = figure->findChild<QLineEdit *>(QStringLiteral("txtFigureName"));
        field->setText(name);
        emit field->textEdited(name);
    }
    void openFileMenu() { emit menu("mnuFile")->aboutToShow(); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { startMain(tarvello::RulesTables()); }
    void cleanup() { stopMain(); }

    void forwarding_data()
    {
        QTest::addColumn<QString>("form");
        // Calls of Save, SaveAs, PrintIt, Export after one click of each item.
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("army") << "frmArmy" << QList<int>{1, 1, 1, 1};
        QTest::newRow("unit card") << "frmUnitCard" << QList<int>{1, 0, 1, 0};
        QTest::newRow("window of no form") << "frmNotes" << QList<int>{0, 0, 0, 0};
    }

    void forwarding()
    {
        QFETCH(QString, form);
        QFETCH(QList<int>, expected);
        FakeChild *other = addFake(QStringLiteral("frmFigure"));
        FakeChild *child = addFake(form);
        QCOMPARE(m_main->activeChild(), child);
        for (const char *name : {"mnuFile_Save", "mnuFile_SaveAs", "mnuFile_Print", "mnuFile_Export"})
            action(name)->trigger();
        QCOMPARE((QList<int>{child->saves, child->saveAses, child->prints, child->exports}), expected);
        // Only the active child is addressed.
        QCOMPARE((QList<int>{other->saves, other->saveAses, other->prints, other->exports}),
                 (QList<int>{0, 0, 0, 0}));
    }

    void forwardingWithoutChildDoesNothing()
    {
        for (const char *name : {"mnuFile_Save", "mnuFile_SaveAs", "mnuFile_Print", "mnuFile_Export"})
            action(name)->trigger();
        QVERIFY(m_dialogs.calls.isEmpty());
        QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    }

    void fileMenuEnablesSaveAsAndExportByActiveChild()
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

        // A window of another kind leaves the states as they were.
        addFake(QStringLiteral("frmEdit_Table"));
        openFileMenu();
        action("mnuHelp_Readme")->trigger();
        QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmReadme"));
        openFileMenu();
        QVERIFY(!saveAs->isEnabled());
        m_main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(army->parentWidget()));
        openFileMenu();
        QVERIFY(saveAs->isEnabled());
    }

    void childFactoriesCreateOpenAndShowChildren()
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
        m_main->setChildFactory(tarvello::WindowForm::Figure, figures);
        for (const char *name : {"mnuFile_Figure_New", "mnuFile_Figure_Open", "mnuFileArmy_Open"})
            QVERIFY2(action(name)->isEnabled(), name);

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
        m_main->setChildFactory(tarvello::WindowForm::EditTable, tables);
        for (QAction *item : menu("mnuResources")->actions())
            QVERIFY(item->isEnabled());
        action("mnuResources_Moves")->trigger();
        action("mnuResources_DefenseFactor")->trigger();
        const QString folder = m_folder->path() + QLatin1Char('/');
        QCOMPARE(opened, (QList<QPair<QString, QString>>{
                             {folder + "move.skv", "Movement Types"},
                             {folder + "defensefactor.skv", "Defense Factor"}}));
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 4);
    }

    void windowMenuListsAndActivatesChildren()
    {
        FakeChild *first = addFake(QStringLiteral("frmFigure"));
        addFake(QStringLiteral("frmArmy"));
        QMenu *windows = menu("mnuWindow");
        emit windows->aboutToShow();
        QList<QAction *> listed;
        for (QAction *entry : windows->actions()) {
            if (entry->isCheckable() && entry != action("mnuWindow_ToolBar"))
                listed.append(entry);
        }
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed.at(0)->text().endsWith(QLatin1String("frmFigure")));
        QVERIFY(listed.at(1)->isChecked());
        listed.at(0)->trigger();
        QCOMPARE(m_main->activeChild(), first);
    }

    void quitAndCloseBoxAskEveryChildOnce_data()
    {
        QTest::addColumn<bool>("closeBox"); // else File, Quit
        QTest::addColumn<bool>("refused");  // by the second child
        QTest::newRow("quit") << false << false;
        QTest::newRow("quit refused") << false << true;
        QTest::newRow("close box") << true << false;
        QTest::newRow("close box refused") << true << true;
    }

    void quitAndCloseBoxAskEveryChildOnce()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, refused);
        QStringList asked;
        QPointer<FakeChild> first = addFake(QStringLiteral("frmFigure"), &asked);
        first->setWindowTitle(QStringLiteral("first"));
        QPointer<FakeChild> second = addFake(QStringLiteral("frmArmy"), &asked);
        second->setWindowTitle(QStringLiteral("second"));
        second->allowClose = !refused;
        if (closeBox)
            QCOMPARE(m_main->close(), !refused);
        else
            action("mnuFileQuit")->trigger();
        // Each child is asked exactly once, also while it is being closed;
        // one refusal closes nothing.
        QCOMPARE(asked, QStringList({"first", "second"}));
        QCOMPARE(m_main->isVisible(), refused);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), refused ? 2 : 0);
        if (refused)
            QVERIFY(first->isVisible() && second->isVisible());
        else
            QTRY_VERIFY(!first && !second);
    }

    void startUpShowsSplashBeforeLoadingThenMaximizes()
    {
        WriteTables(m_folder->path(), QStringLiteral("races.skv"));
        delete m_main;
        m_main = new frmMain(m_context);
        tarvello::registerDocumentWindows(*m_main);

        QStringList events;
        m_main->setModalRunner([&](QDialog &dialog) {
            events.append(dialog.objectName());
            QCOMPARE(m_main->windowTitle(), QStringLiteral("Tarvello 1.0.0"));
            QVERIFY(!m_main->isVisible());
            QVERIFY(m_tables.ArmorTypes.empty());
        });
        m_dialogs.onCall = [&](const ScriptedDialogs::Call &call) {
            events.append(call.text.section(QLatin1Char('\r'), 0, 0));
            QVERIFY(!m_main->isVisible());
        };

        m_main->startUp();

        QCOMPARE(events, QStringList({"frmSplash", "Error in reading race data!"}));
        QVERIFY(m_main->isVisible());
        QVERIFY(m_main->windowState() & Qt::WindowMaximized);
        QVERIFY(!m_tables.ArmorTypes.empty());
        QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    }

    void figureFilesRewrittenByOneWindowAreToldToTheOthers()
    {
        FakeChild *army = addFake(QStringLiteral("frmArmy"));
        FakeChild *other = addFake(QStringLiteral("frmArmy"));
        const QStringList paths{QStringLiteral("/f/guard.tvf")};
        emit army->figureFilesRewritten(paths);
        QCOMPARE(other->filesChanged, paths);
        QVERIFY(army->filesChanged.isEmpty());
    }

    void startUpWaitsOnTheTitleWindowAlreadyShown()
    {
        const std::unique_ptr<frmSplash> title = showTitleWindow();
        QVERIFY(title->isVisible());
        m_main->hide();
        QList<QDialog *> ran;
        m_main->setModalRunner([&](QDialog &dialog) {
            ran.append(&dialog);
            QVERIFY(!m_main->isVisible());
        });
        m_main->startUp(title.get());
        QCOMPARE(ran, QList<QDialog *>{title.get()});
        QVERIFY(m_main->isVisible());
    }

    void printItAnswersTheSetupDialog()
    {
        m_dialogs.printerSetupAnswers.enqueue(true);
        m_dialogs.printerSetupAnswers.enqueue(false);
        QVERIFY(m_main->PrintIt());
        QVERIFY(!m_main->PrintIt());
        QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 2);
        const ScriptedDialogs::Call call = m_dialogs.calls.at(0);
        QCOMPARE(call.parent, m_main);
        QVERIFY(call.printer);
        QCOMPARE(call.printer, m_main->printer());
        // The Print item forwards to the child and does not show the dialog itself.
        addFake(QStringLiteral("frmFigure"));
        action("mnuFile_Print")->trigger();
        QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 2);
    }

    void quitAsksEveryChangedFigureAndOneCancelKeepsAll()
    {
        m_tables = SmallRulesTables();
        action("mnuFile_Figure_New")->trigger();
        action("mnuFile_Figure_New")->trigger();
        changeName(windowsOf<frmFigure>().at(0), QStringLiteral("First"));
        changeName(windowsOf<frmFigure>().at(1), QStringLiteral("Second"));
        const QString path = tempPath(QStringLiteral("first.tvf"));
        // Yes at the first saves it; Cancel at the second keeps everything open.
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Yes);
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Cancel);
        m_dialogs.saveFileAnswers.enqueue(path);
        // Each question is asked with its own figure in front.
        QWidgetList askedOver;
        m_dialogs.onCall = [this, &askedOver](const ScriptedDialogs::Call &call) {
            if (call.kind == Kind::Message)
                askedOver.append(m_main->mdiArea()->activeSubWindow()->widget());
        };

        action("mnuFileQuit")->trigger();
        m_dialogs.onCall = nullptr;
        QCOMPARE(askedOver, QWidgetList({windowsOf<frmFigure>().at(0), windowsOf<frmFigure>().at(1)}));
        const QList<ScriptedDialogs::Call> asked = m_dialogs.callsOf(Kind::Message);
        QCOMPARE(asked.size(), 2);
        QVERIFY(QFile::exists(path));
        QCOMPARE(windowsOf<frmFigure>().size(), 2);
        QVERIFY(m_main->isVisible());
        QVERIFY(!windowsOf<frmFigure>().at(0)->model().Changed());
        QVERIFY(windowsOf<frmFigure>().at(1)->model().Changed());

        // Asked again, No for the second: the saved first one asks nothing.
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer::No);
        action("mnuFileQuit")->trigger();
        QCOMPARE(m_dialogs.count(Kind::Message), 3);
        QVERIFY(windowsOf<frmFigure>().isEmpty());
        QVERIFY(!m_main->isVisible());
    }

    void quitAsksAboutEachChangedDocumentByNameWithItInFront()
    {
        m_tables = SmallRulesTables();
        QStringList expected;
        for (const QString &name : {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cyd")}) {
            action("mnuFile_Figure_New")->trigger();
            changeName(windowsOf<frmFigure>().last(), name);
            expected.append(QStringLiteral("Figure \u201C") + name + QStringLiteral("\u201D"));
        }
        for (const QString &name : {QStringLiteral("North"), QStringLiteral("South")}) {
            action("mnuFileArmy_New")->trigger();
            auto *field = windowsOf<frmArmy>().last()->findChild<QLineEdit *>(QStringLiteral("txtArmyName"));
            field->setText(name);
            emit field->textEdited(name);
            expected.append(QStringLiteral("Army \u201C") + name + QStringLiteral("\u201D"));
        }
        windowsOf<frmFigure>().at(1)->parentWidget()->showMinimized();
        QStringList subjects;
        m_dialogs.onCall = [&](const ScriptedDialogs::Call &call) {
            QMdiSubWindow *front = m_main->mdiArea()->activeSubWindow();
            subjects.append(front && !front->isMinimized() && front->widget() == call.parent
                                ? call.informative : QStringLiteral("not in front"));
        };
        for (int i = 0; i < 5; ++i)
            m_dialogs.messageAnswers.enqueue(IDialogs::Answer::No);
        action("mnuFileQuit")->trigger();
        m_dialogs.onCall = nullptr;
        QCOMPARE(subjects, expected);
        QCOMPARE(m_dialogs.messageTexts().value(4), QStringLiteral("Army changes not saved!\r\nSave them now?"));
        QVERIFY(!m_main->isVisible());
    }

    void printToFileProposesTheDocumentsName()
    {
        m_tables = SmallRulesTables();
        action("mnuFile_Figure_New")->trigger();
        changeName(windowsOf<frmFigure>().at(0), QStringLiteral("Border Guard"));
        QStringList proposed;
        m_dialogs.onCall = [&](const ScriptedDialogs::Call &call) {
            if (call.kind == Kind::PrinterSetup)
                proposed << call.printer->docName() << call.printer->outputFileName();
        };
        action("mnuFile_Print")->trigger();
        // After a print to a file, the next one proposes its folder.
        m_main->printer()->setOutputFileName(tempPath(QStringLiteral("print.pdf")));
        action("mnuFile_Print")->trigger();
        m_dialogs.onCall = nullptr;
        QCOMPARE(proposed, QStringList({"Border Guard", QString(), "Border Guard",
                                        tempPath(QStringLiteral("Border Guard.pdf"))}));
    }

    void refreshKeepsTheListsAndTheNextCalculationUsesNewRows()
    {
        m_tables = SmallRulesTables();
        QTemporaryDir folder; // only races.skv in the program folder
        m_context.programFolder = folder.path();
        action("mnuFile_Figure_New")->trigger();
        frmFigure *figure = windowsOf<frmFigure>().at(0);
        auto *race = figure->findChild<QComboBox *>(QStringLiteral("cboRace"));
        QCOMPARE(race->count(), 2);

        // Only races.skv lies in the program folder: the other ten tables report
        // their missing files and keep their rows.
        WriteBytes(folder.filePath(QStringLiteral("races.skv")),
                   "Name;HitFactorModifier\r\nGiant;3\r\nDwarf;1\r\nGnome;0\r\n");
        action("mnuResources_Reload")->trigger();
        QCOMPARE(m_dialogs.count(Kind::Message), 10);
        const ScriptedDialogs::Call box = m_dialogs.calls.at(0);
        QCOMPARE(box.title, QStringLiteral("Tarvello"));
        QCOMPARE(box.buttons, IDialogs::Buttons::Ok);
        QCOMPARE(box.text, QStringLiteral("Error in reading armortype data!\r\nFile not found"));
        QCOMPARE(m_tables.Races.size(), std::size_t(3));
        QVERIFY(!m_tables.ArmorTypes.empty());

        // The list still shows Human and Dwarf; position 0 now means Giant (+3).
        QCOMPARE(race->count(), 2);
        QCOMPARE(race->itemText(0), QStringLiteral("Human"));
        auto *modifier = figure->findChild<QLineEdit *>(QStringLiteral("txtRaceHitFactorModifier"));
        QCOMPARE(modifier->text(), QStringLiteral("0"));
        race->setCurrentIndex(0);
        emit race->activated(0);
        QCOMPARE(modifier->text(), QStringLiteral("3"));
    }

    void savedRulesTableOffersRefreshWhileEditorsUseTheTables_data()
    {
        QTest::addColumn<bool>("figureOpen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a table of the program folder, a figure open")
            << true << QStringLiteral("races.skv") << true;
        QTest::newRow("no window calculating with the tables")
            << false << QStringLiteral("races.skv") << false;
        QTest::newRow("a file the program does not read") << true << QStringLiteral("notes.skv")
                                                            << false;
        QTest::newRow("a table of another folder") << true << QStringLiteral("old/races.skv")
                                                    << false;
    }

    void savedRulesTableOffersRefreshWhileEditorsUseTheTables()
    {
        QFETCH(bool, figureOpen);
        QFETCH(QString, file);
        QFETCH(bool, shown);
        WriteTables(m_context.programFolder, QString());
        QDir(m_context.programFolder).mkdir(QStringLiteral("old"));
        if (figureOpen)
            action("mnuFile_Figure_New")->trigger();
        FakeChild *table = addFake(QStringLiteral("frmEdit_Table"));
        emit table->documentSaved(m_context.programFolder + QLatin1Char('/') + file);

        auto *bar = Named<QFrame>(m_main, "fraTablesChanged");
        QCOMPARE(bar->isVisibleTo(m_main), shown);
        if (!shown)
            return;
        QCOMPARE(Named<QLabel>(m_main, "lblTablesChanged")->text(),
                 QStringLiteral("The rules tables were changed. Open editors use them after "
                                "Refresh Resources."));
        // Nothing reloads until the player asks.
        QVERIFY(m_tables.Races.empty());
        Named<QPushButton>(m_main, "btnRefreshResources")->click();
        QVERIFY(!bar->isVisibleTo(m_main));
        QVERIFY(!m_tables.Races.empty());
        QCOMPARE(m_main->statusBar()->currentMessage(), QStringLiteral("Rules tables reloaded"));
    }

    void splashClosesOnCharacterKeyOrClick_data()
    {
        // A key with its text; otherwise a click on the frame, on a caption
        // in it, or a request to close.
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << true;
        QTest::newRow("shift") << int(Qt::Key_Shift) << "" << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << "" << false;
        QTest::newRow("frame") << 0 << "Frame1" << true;
        QTest::newRow("caption") << 0 << "lblProductName" << true;
        QTest::newRow("close") << 0 << "" << false;
    }

    void splashClosesOnCharacterKeyOrClick()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        frmSplash splash;
        splash.show();
        if (key) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(&splash, &press);
        } else if (text.isEmpty()) {
            QVERIFY(!splash.close());
        } else {
            QTest::mouseClick(splash.findChild<QWidget *>(text), Qt::LeftButton, Qt::NoModifier,
                              QPoint(5, 5));
        }
        QCOMPARE(splash.isVisible(), !closes);
        if (key && closes)
            QCOMPARE(splash.result(), int(QDialog::Accepted));
    }

    void missingReadmeShowsMessage()
    {
        QFile::remove(readmePath());
        frmReadme *readme = openReadme();
        QCOMPARE(m_dialogs.calls.size(), 1);
        const ScriptedDialogs::Call box = m_dialogs.calls.at(0);
        QCOMPARE(box.kind, Kind::Message);
        QCOMPARE(box.title, QStringLiteral("Tarvello 1.0.0"));
        QCOMPARE(box.text, QStringLiteral("Error loading readme file!File not found"));
        QCOMPARE(box.buttons, IDialogs::Buttons::Ok);
        QCOMPARE(box.icon, IDialogs::Icon::Exclamation);
        // The window stays open, empty.
        QVERIFY(readme && readme->isVisible());
        QVERIFY(readme->txtHelp->toPlainText().isEmpty());
    }

    void readmeTwiceGivesOneWindowReadOnce()
    {
        WriteBytes(readmePath(), "old text\r\n");
        frmReadme *first = openReadme();
        WriteBytes(readmePath(), "new text\r\n");
        frmReadme *second = openReadme();
        QCOMPARE(second, first);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(first->txtHelp->toPlainText(), QStringLiteral("old text\n"));
        QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget(), first);

        // Once closed, the next Help, Readme opens a fresh window.
        QPointer<frmReadme> closed = first;
        m_main->mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(!closed);
        frmReadme *third = openReadme();
        QVERIFY(third);
        QCOMPARE(third->txtHelp->toPlainText(), QStringLiteral("new text\n"));
    }

    void figureEditorFitsTheAreaAndShowsEveryColumn_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        // Maximized on that screen, less a window title bar.
        QTest::newRow("1366 x 740") << QSize(1366, 740);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
    }

    void figureEditorFitsTheAreaAndShowsEveryColumn()
    {
        QFETCH(QSize, screen);
        WriteTables(m_folder->path(), QString());
        action("mnuResources_Reload")->trigger();
        m_main->resize(screen);
        QApplication::processEvents();
        action("mnuFile_Figure_New")->trigger();
        frmFigure *figure = windowsOf<frmFigure>().at(0);
        QMdiSubWindow *frame = m_main->mdiArea()->activeSubWindow();
        const QRect area = m_main->mdiArea()->viewport()->rect();
        QVERIFY(area.contains(frame->geometry()));
        // Its stated size, and no narrower than its controls need.
        const QSize wanted = twipsToPixels(frame, 12780, 10485);
        QCOMPARE(frame->height(), qMin(wanted.height(), area.height()));
        QVERIFY(frame->width() >= qMin(wanted.width(), area.width()));

        // Maximized, with the longest row of every list chosen, every column shows.
        frame->showMaximized();
        for (const frmFigure::SeriesWidgets &series : figure->seriesWidgets()) {
            for (int row = 0; row < series.available->topLevelItemCount(); ++row) {
                series.available->setCurrentItem(series.available->topLevelItem(row));
                series.add->click();
            }
        }
        QApplication::processEvents();
        for (QTreeWidget *list : figure->findChildren<QTreeWidget *>()) {
            QVERIFY2(list->topLevelItemCount() > 0, qPrintable(list->objectName()));
            QVERIFY2(!list->horizontalScrollBar()->isVisible(), qPrintable(list->objectName()));
        }
        // The bar about changed rules tables, shown above the area, leaves
        // the maximized editor whole: the area does not scroll.
        emit figure->documentSaved(m_context.programFolder + QStringLiteral("/races.skv"));
        QVERIFY(Named<QFrame>(m_main, "fraTablesChanged")->isVisible());
        QApplication::processEvents();
        QVERIFY(!m_main->mdiArea()->verticalScrollBar()->isVisible());
    }

    void readmeOpensNormalBesideAMaximizedFigure()
    {
        WriteBytes(readmePath(), "text\r\n");
        action("mnuFile_Figure_New")->trigger();
        QMdiSubWindow *figure = m_main->mdiArea()->activeSubWindow();
        figure->showMaximized();
        frmReadme *readme = openReadme();
        auto *frame = qobject_cast<QMdiSubWindow *>(readme->parentWidget());
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), frame);
        QVERIFY(!frame->isMaximized());
        QVERIFY(figure->isMaximized());
    }

    void openingAnotherKindOfFileKeepsNoEditor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("army") << QStringLiteral("north.tva") << QStringLiteral("Not a figure file");
        QTest::newRow("letters") << QStringLiteral("\u00D6laf \u0414\u043C.tva")
                                 << QStringLiteral("Not a figure file");
        QTest::newRow("too long") << QString(300, QLatin1Char('n'))
                                  << QStringLiteral("File name too long for the file system");
    }
    void openingAnotherKindOfFileKeepsNoEditor()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        m_tables = SmallRulesTables();
        const QString path = tempPath(name);
        const bool written = name.size() < 255;
        if (written)
            WriteBytes(path, "North\r\n.\\figures\r\n");
        m_dialogs.openFileAnswers.enqueue(path);
        action("mnuFile_Figure_Open")->trigger();
        QCOMPARE(windowsOf<frmFigure>().isEmpty(), written);
        const QList<ScriptedDialogs::Call> boxes = m_dialogs.callsOf(Kind::Message);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).text, "Error in loading " + QDir::toNativeSeparators(path)
                                       + " !\r\n" + description);
    }

    void ctrlZAndCtrlYUndoAndRedoTheActiveFiguresNamedStep()
    {
        m_tables = SmallRulesTables();
        action("mnuFile_Figure_New")->trigger();
        frmFigure *figure = windowsOf<frmFigure>().at(0);
        auto *available = figure->findChild<QTreeWidget *>(QStringLiteral("lvwMeleeWeapons"));
        auto *selected = figure->findChild<QTreeWidget *>(QStringLiteral("lvwMeleeWeaponsSelected"));
        auto *cost = figure->findChild<QLineEdit *>(QStringLiteral("txtFinalCost"));
        const QString before = cost->text();
        available->setCurrentItem(available->topLevelItem(0));
        figure->findChild<QPushButton *>(QStringLiteral("btnAddMeleeWeapon"))->click();
        const QString after = cost->text();
        QVERIFY(after != before);

        QAction *undo = action("mnuEdit_Undo");
        QAction *redo = action("mnuEdit_Redo");
        QCOMPARE(undo->text(), QStringLiteral("&Undo Add ") + available->topLevelItem(0)->text(0));
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        const QString named = undo->text();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        // Also from a text box, which would otherwise keep the keys for itself.
        Named<QLineEdit>(figure, "txtFigureName")->setFocus();
        QTest::keyClick(m_main, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(selected->topLevelItemCount(), 0);
        QCOMPARE(cost->text(), before);
        QVERIFY(!figure->model().Changed());
        QCOMPARE(redo->text(), QStringLiteral("&Redo") + named.mid(5));
        QTest::keyClick(m_main, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(selected->topLevelItemCount(), 1);
        QCOMPARE(cost->text(), after);
        QVERIFY(figure->model().Changed());

        // Another child without a history disables both.
        addFake(QStringLiteral("frmArmy"));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frmmain_test.moc"
