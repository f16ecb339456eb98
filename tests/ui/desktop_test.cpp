// The main window as a desktop program: files named on the command line,
// the standard shortcuts, File, Open Recent, the toolbar, the status line,
// window captions and places, and the start area.

#include "army/armymodel.h"
#include "army/frmarmy.h"
#include "card/frmunitcard.h"
#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "rules/modloaddata.h"
#include "shell/commandbar.h"
#include "shell/lookandlanguage.h"
#include "shell/recentfilesmenu.h"
#include "shell/startup.h"
#include "windowtest.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QStyle>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <sys/stat.h>

using namespace tarvello;

static const QString kShipped = QStringLiteral(TARVELLO_SHIPPED_DATA_DIR);
static const QString kKnight = kShipped + QStringLiteral("/figures/knight_hero.tvf");
static const QString kArmy = kShipped + QStringLiteral("/figures/border_guard.tva");

class DesktopTest : public QObject, public WindowTest
{
    Q_OBJECT

    QStringList childForms() const
    {
        QStringList forms;
        for (const QWidget *child : windowsOf<QWidget>()) // in the order of creation
            forms.append(child->objectName());
        return forms;
    }

    // A figure editor and, opened after it (and active), the Races table.
    ChildWindow *figureBesideATable()
    {
        openCommandLineFiles(*m_main, {kKnight});
        ChildWindow *figure = m_main->activeChild();
        action("mnuResources_Races")->trigger();
        return figure;
    }
    void activate(ChildWindow *child)
    {
        m_main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(child->parentWidget()));
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        tarvello::LoadAllTables(m_shipped, kShipped.toStdString(), ".",
                                [](const tarvello::Failure &failure) { QFAIL(failure.Message().c_str()); });
    }
    void init()
    {
        startMain(m_shipped, kShipped);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }
    void cleanup() { stopMain(); }

    void commandLineOpensLikeFileOpenAndRefusesOtherFiles()
    {
        const QString broken = tempPath(QStringLiteral("broken.tvf"));
        const QString notes = tempPath(QStringLiteral("notes.txt"));

        // The message File, Open gives for the broken file.
        m_dialogs.openFileAnswers.enqueue(broken);
        m_main->findChild<QAction *>(QStringLiteral("mnuFile_Figure_Open"))->trigger();
        const QStringList fromDialog = m_dialogs.messageTexts();
        QCOMPARE(fromDialog.size(), 1);
        QVERIFY(fromDialog.first().startsWith(QStringLiteral("Error in loading ") + broken));
        m_dialogs.clearCalls();

        openCommandLineFiles(*m_main, {kKnight, broken, notes, kArmy});
        QCOMPARE(childForms(), (QStringList{"frmFigure", "frmFigure", "frmFigure", "frmArmy"}));
        const auto windows = m_main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
        auto *knight = qobject_cast<frmFigure *>(windows.at(1)->widget());
        QCOMPARE(knight->findChild<QLineEdit *>(QStringLiteral("txtFigureName"))->text(),
                 QStringLiteral("Sir Aldric"));
        QVERIFY(!knight->model().Changed());
        QCOMPARE(qobject_cast<frmArmy *>(windows.at(3)->widget())->model().ArmyCost(), "2247");

        const QStringList shown = m_dialogs.messageTexts();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0), fromDialog.first());
        QVERIFY(shown.at(1).startsWith(notes + QStringLiteral(" cannot be opened")));
        // Only the files that opened are remembered, the last one first.
        QCOMPARE(m_main->recentFiles()->files(), (QStringList{kArmy, kKnight}));
    }

    void shortcutsReachTheirActions_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("new") << QKeySequence(QStringLiteral("Ctrl+N")) << "mnuFile_Figure_New";
        QTest::newRow("open") << QKeySequence(QStringLiteral("Ctrl+O")) << "mnuFile_Figure_Open";
        QTest::newRow("save") << QKeySequence(QStringLiteral("Ctrl+S")) << "mnuFile_Save";
        QTest::newRow("save as") << QKeySequence(QStringLiteral("Ctrl+Shift+S")) << "mnuFile_SaveAs";
        QTest::newRow("print") << QKeySequence(QStringLiteral("Ctrl+P")) << "mnuFile_Print";
        QTest::newRow("quit") << QKeySequence(QStringLiteral("Ctrl+Q")) << "mnuFileQuit";
        QTest::newRow("close") << QKeySequence(QStringLiteral("Ctrl+W")) << "mnuWindow_Close";
        QTest::newRow("readme") << QKeySequence(QStringLiteral("F1")) << "mnuHelp_Readme";
    }

    void shortcutsReachTheirActions()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        QSignalSpy triggered(m_main->findChild<QAction *>(action), &QAction::triggered);
        QTest::keySequence(m_main, keys);
        QCOMPARE(triggered.count(), 1);
    }

    void shortcutsWorkInsideAnEditor()
    {
        openCommandLineFiles(*m_main, {kKnight, kArmy});
        auto *army = qobject_cast<frmArmy *>(m_main->activeChild());
        QVERIFY(army);
        QLineEdit *name = Named<QLineEdit>(army, "txtArmyName");
        name->setFocus();
        // Save As reaches the army editor whose box has the focus.
        QTest::keySequence(name, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(m_dialogs.calls.last().proposedName, QStringLiteral("Border Guard.tva"));
        // Ctrl+W closes the army editor alone.
        QTest::keySequence(name, QKeySequence(QStringLiteral("Ctrl+W")));
        QCOMPARE(childForms(), QStringList{"frmFigure"});
        QTest::keySequence(m_main, QKeySequence(QStringLiteral("F1")));
        QTest::keySequence(m_main->mdiArea()->activeSubWindow()->widget(), QKeySequence(QStringLiteral("Ctrl+W")));
        QCOMPARE(childForms(), QStringList{"frmFigure"});
    }

    void comingBackToTheMainWindowKeepsTheActiveChild()
    {
        ChildWindow *figure = figureBesideATable();
        QCOMPARE(m_main->activeChild()->objectName(), QStringLiteral("frmEdit_Table"));
        activate(figure);
        // Another program (or a message box) and back.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QCOMPARE(m_main->activeChild(), figure);
    }

    void saveAsShortcutFollowsTheActiveChildWithoutTheMenu()
    {
        ChildWindow *figure = figureBesideATable();
        emit m_main->findChild<QMenu *>(QStringLiteral("mnuFile"))->aboutToShow();
        activate(figure);
        QTest::keySequence(m_main, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);
        // The figure closed, the table comes to the front; with no child
        // left, Save As stays as the table set it.
        m_main->mdiArea()->closeActiveSubWindow();
        QCOMPARE(m_main->activeChild()->objectName(), QStringLiteral("frmEdit_Table"));
        m_main->mdiArea()->closeActiveSubWindow();
        QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
        QVERIFY(!action("mnuFile_SaveAs")->isEnabled());
    }

    void theMenuBarsAltLettersAreFreeInEveryEditor()
    {
        // A label or button of an editor with the same Alt letter as a menu
        // takes the key, and the menu no longer opens by the keyboard.
        QSet<QKeySequence> menus;
        for (const QAction *menu : m_main->menuBar()->actions())
            menus.insert(QKeySequence::mnemonic(menu->text()));
        QCOMPARE(menus.size(), m_main->menuBar()->actions().size());
        openCommandLineFiles(*m_main, {kKnight, kArmy});
        action("mnuResources_Races")->trigger();
        activate(windowsOf<ChildWindow>().first());
        ClickButton(m_main->activeChild(), "btnCard");
        for (const ChildWindow *child : windowsOf<ChildWindow>()) {
            for (const QLabel *label : child->findChildren<QLabel *>())
                QVERIFY2(!menus.contains(QKeySequence::mnemonic(label->text())), qPrintable(label->text()));
            for (const QAbstractButton *button : child->findChildren<QAbstractButton *>())
                QVERIFY2(!menus.contains(QKeySequence::mnemonic(button->text())), qPrintable(button->text()));
        }
    }

    void windowOpenedBeforeTheMainWindowHasItsSizeIsLaidOutLikeAnyOther_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("figure") << kKnight;
        QTest::newRow("army") << kArmy;
    }

    void windowOpenedBeforeTheMainWindowHasItsSizeIsLaidOutLikeAnyOther()
    {
        QFETCH(QString, file);
        m_main->showNormal();
        m_main->resize(400, 500);
        QApplication::processEvents();
        openCommandLineFiles(*m_main, {file});
        QMdiSubWindow *first = m_main->mdiArea()->activeSubWindow();
        QVERIFY(first->widget()->height() >= first->widget()->minimumSizeHint().height());
        QCOMPARE(first->pos(), QPoint(0, 0)); // where the area shows it
        m_main->resize(1366, 768);
        QApplication::processEvents();
        openCommandLineFiles(*m_main, {file});
        QCOMPARE(first->size(), m_main->mdiArea()->activeSubWindow()->size());
    }

    void recentFilesListOpenedAndSavedFilesAndDropMissingOnes()
    {
        const QString copy = tempPath(QStringLiteral("Salt & Iron.tvf"));
        openCommandLineFiles(*m_main, {kKnight});
        m_dialogs.saveFileAnswers.enqueue(copy);
        m_main->findChild<QAction *>(QStringLiteral("mnuFile_SaveAs"))->trigger();
        QVERIFY(QFile::exists(copy));

        QMenu *menu = m_main->findChild<QMenu *>(QStringLiteral("mnuFile_OpenRecent"));
        emit menu->aboutToShow();
        QAction *first = menu->findChild<QAction *>(QStringLiteral("mnuFile_OpenRecent_1"));
        QVERIFY(first);
        QCOMPARE(first->text(), QStringLiteral("&1 Salt && Iron.tvf"));
        QCOMPARE(first->toolTip(), QDir::toNativeSeparators(copy));
        QCOMPARE(first->statusTip(), first->toolTip());

        // The saved copy disappears; choosing it says so and drops it.
        QVERIFY(QFile::remove(copy));
        first->trigger();
        QCOMPARE(m_dialogs.count(Kind::Message), 1);
        QVERIFY(m_dialogs.calls.last().text.contains(QStringLiteral("no longer exists")));
        QCOMPARE(m_main->recentFiles()->files(), QStringList{kKnight});
        QCOMPARE(childForms(), QStringList{"frmFigure"});

        // The remaining entry opens its figure; Clear empties the list.
        emit menu->aboutToShow();
        menu->findChild<QAction *>(QStringLiteral("mnuFile_OpenRecent_1"))->trigger();
        QCOMPARE(childForms(), (QStringList{"frmFigure", "frmFigure"}));
        menu->findChild<QAction *>(QStringLiteral("mnuFile_OpenRecent_Clear"))->trigger();
        QVERIFY(m_main->recentFiles()->files().isEmpty());
    }

    void aSettingsFileThatIsAPipeIsNeverOpened()
    {
        const QString pipe = tempPath(QStringLiteral("pipe.conf"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        checkSettingsFile(m_dialogs, pipe);
        QCOMPARE(m_dialogs.count(Kind::Message), 1);
        QVERIFY(m_dialogs.calls.last().text.contains(pipe + QStringLiteral(" is not an ordinary file")));
        // Reading or writing it would wait for a writer for ever.
        QMenu menu;
        RecentFilesMenu recent(&menu, pipe);
        recent.add(kKnight);
        QCOMPARE(recent.files(), QStringList{kKnight});
        CommandBar bar({}, pipe);
        QVERIFY(!bar.isHidden());
    }

    // Help, Language keeps the choice for the next start and says so; the
    // desktop's language counts again with System. Help, Appearance applies
    // at once and is kept.
    void languageAndAppearanceAreKeptInTheSettings()
    {
        const QString settings = m_context.settingsFile;
        qputenv("LANGUAGE", "fr");
        QCOMPARE(startLanguage(settings), QStringLiteral("fr"));
        action("mnuHelp_Language_de")->trigger();
        QCOMPARE(m_dialogs.count(Kind::Message), 1);
        QVERIFY(m_dialogs.calls.last().text.contains(QStringLiteral("next start")));
        QCOMPARE(startLanguage(settings), QStringLiteral("de"));
        action("mnuHelp_Language_System")->trigger();
        QCOMPARE(startLanguage(settings), QStringLiteral("fr"));
        qunsetenv("LANGUAGE");

        openCommandLineFiles(*m_main, {kKnight});
        const auto *calculated = m_main->activeChild()->findChild<QLineEdit *>(QStringLiteral("txtFinalCost"));
        const QColor window = QApplication::palette().color(QPalette::Window);
        action("mnuHelp_Appearance_Dark")->trigger();
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 128);
        // An unticked box (drawn in the field colour) shows against the window.
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness()
                    - QApplication::palette().color(QPalette::Base).lightness() >= 20);
        // An open editor's calculated fields turn dark with the rest (the
        // windows hear of the new palette by a posted event).
        QCoreApplication::sendPostedEvents();
        QVERIFY(calculated->palette().color(QPalette::Base).lightness() < 128);
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QCOMPARE(keptAppearance(settings), Appearance::Dark);
        action("mnuHelp_Appearance_Light")->trigger();
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness() > 128);
        action("mnuHelp_Appearance_System")->trigger();
        QCOMPARE(QApplication::palette().color(QPalette::Window), window);
        QCOMPARE(keptAppearance(settings), Appearance::System);
    }

    void toolbarButtonsAreTheMenusOwnActions()
    {
        auto *bar = Named<QToolBar>(m_main, "tbrCommands");
        QList<QAction *> commands;
        for (QAction *command : bar->actions()) {
            if (command->isSeparator())
                continue;
            commands.append(command);
            const QObjectList users = command->associatedObjects();
            QVERIFY2(std::any_of(users.begin(), users.end(),
                                 [](QObject *user) { return qobject_cast<QMenu *>(user); }),
                     qPrintable(command->objectName()));
        }
        QVERIFY(commands.contains(action("mnuEdit_Undo")) && commands.contains(action("mnuFile_Save")));
        const auto followsMenu = [&] {
            for (QAction *command : commands)
                QCOMPARE(bar->widgetForAction(command)->isEnabled(), command->isEnabled());
        };
        openCommandLineFiles(*m_main, {kKnight, kArmy});
        auto *race = Named<QComboBox>(windowsOf<frmFigure>().at(0), "cboRace");
        Choose(windowsOf<frmFigure>().at(0), "cboRace", (race->currentIndex() + 1) % race->count());
        m_main->mdiArea()->activateNextSubWindow();
        QCOMPARE(m_main->activeChild()->objectName(), QStringLiteral("frmFigure"));
        QVERIFY(action("mnuEdit_Undo")->isEnabled());
        followsMenu();
        m_main->mdiArea()->activateNextSubWindow();
        QVERIFY(!action("mnuEdit_Undo")->isEnabled());
        followsMenu();

        // Hidden from the Window menu, it stays hidden at the next start.
        emit Named<QMenu>(m_main, "mnuWindow")->aboutToShow();
        QAction *toggle = action("mnuWindow_ToolBar");
        QVERIFY(Named<QMenu>(m_main, "mnuWindow")->actions().contains(toggle));
        toggle->trigger();
        QVERIFY(bar->isHidden());
        stopMain();
        m_main = new frmMain(m_context);
        tarvello::registerDocumentWindows(*m_main);
        m_main->show();
        QVERIFY(Named<QToolBar>(m_main, "tbrCommands")->isHidden());
        QVERIFY(!action("mnuWindow_ToolBar")->isChecked());
        action("mnuWindow_ToolBar")->trigger();
        QVERIFY(!Named<QToolBar>(m_main, "tbrCommands")->isHidden());
    }

    void everySaveAndReloadIsConfirmedInTheStatusLine_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("file"); // where the dialog saves; "" for none
        QTest::addColumn<QString>("confirmed");
        QTest::newRow("figure") << "figure" << "hero.tvf" << "Saved hero.tvf";
        QTest::newRow("failed figure") << "figure" << "missing/hero.tvf" << "";
        QTest::newRow("army") << "army" << "north.tva" << "Saved north.tva";
        QTest::newRow("table") << "table" << "races copy.skv" << "Saved races copy.skv";
        QTest::newRow("style") << "style" << "bold.tvs" << "Saved bold.tvs";
        QTest::newRow("layout") << "layout" << "" << "Saved knight.tvf";
        QTest::newRow("rules tables") << "reload" << "" << "Rules tables reloaded";
    }

    void everySaveAndReloadIsConfirmedInTheStatusLine()
    {
        QFETCH(QString, document);
        QFETCH(QString, file);
        QFETCH(QString, confirmed);
        const QString knight = tempPath(QStringLiteral("knight.tvf"));
        QVERIFY(QFile::copy(kKnight, knight));
        if (!file.isEmpty())
            m_dialogs.saveFileAnswers.enqueue(tempPath(file));
        if (document == "figure" || document == "style" || document == "layout")
            openCommandLineFiles(*m_main, {knight});
        if (document == "style" || document == "layout")
            ClickButton(m_main->activeChild(), "btnCard");
        if (document == "army")
            openCommandLineFiles(*m_main, {kArmy});
        if (document == "table")
            action("mnuResources_Races")->trigger();
        QVERIFY(m_main->statusBar()->currentMessage().isEmpty());
        const int boxes = m_dialogs.count(Kind::Message);

        if (document == "figure" || document == "army")
            action("mnuFile_SaveAs")->trigger();
        else if (document == "table")
            ClickButton(m_main->activeChild(), "btnSaveAs");
        else if (document == "style")
            ClickButton(m_main->activeChild(), "btnSaveStyle");
        else if (document == "layout")
            action("mnuFile_Save")->trigger();
        else
            action("mnuResources_Reload")->trigger();
        QCOMPARE(m_main->statusBar()->currentMessage(), confirmed);
        // A failure is told by its box alone.
        QCOMPARE(m_dialogs.count(Kind::Message) - boxes, confirmed.isEmpty() ? 1 : 0);
    }

    void theFirstSaveOfANewFigureNamesItsWindow()
    {
        action("mnuFile_Figure_New")->trigger();
        action("mnuFile_Figure_New")->trigger();
        frmFigure *figure = windowsOf<frmFigure>().at(1);
        changeFigureName(figure, QStringLiteral("Thorgrim"));
        m_dialogs.saveFileAnswers.enqueue(tempPath(QStringLiteral("thorgrim.tvf")));
        action("mnuFile_SaveAs")->trigger();
        QCOMPARE(figure->windowTitle(), QStringLiteral("Figure: Thorgrim"));
        QMenu *windows = Named<QMenu>(m_main, "mnuWindow");
        emit windows->aboutToShow();
        QStringList listed;
        for (QAction *entry : windows->actions()) {
            if (entry->isCheckable() && entry != action("mnuWindow_ToolBar"))
                listed.append(entry->text());
        }
        QCOMPARE(listed, (QStringList{"&1 Figure", "&2 Figure: Thorgrim"}));
    }

    void aWidenedCardMovesLeftToStayInsideTheArea_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1280 x 720") << QSize(1280, 720);
    }

    void aWidenedCardMovesLeftToStayInsideTheArea()
    {
        QFETCH(QSize, screen);
        m_main->resize(screen);
        openCommandLineFiles(*m_main, {kKnight});
        ClickButton(m_main->activeChild(), "btnCard");
        auto *card = qobject_cast<frmUnitCard *>(m_main->activeChild());
        QVERIFY(card);
        QMdiSubWindow *frame = m_main->mdiArea()->activeSubWindow();
        const QRect area = m_main->mdiArea()->viewport()->rect();
        frame->move(area.width() - frame->width(), area.height() - frame->height());
        const int narrow = frame->width();
        ClickButton(card, "btnShowStyle");
        QVERIFY(frame->width() > narrow);
        QVERIFY(Named<QWidget>(card, "fraStyle")->isVisible());
        QVERIFY(area.contains(frame->geometry()));
        QCOMPARE(frame->y(), area.height() - frame->height());
    }

    void theStartAreaShowsTheWayUntilAChildOpens()
    {
        const QString knight = tempPath(QStringLiteral("knight.tvf"));
        QVERIFY(QFile::copy(kKnight, knight));
        m_main->recentFiles()->add(kArmy);
        m_main->recentFiles()->add(knight);
        auto *start = Named<QWidget>(m_main, "fraStart");
        QVERIFY(start->isVisible());
        QVERIFY(!m_main->mdiArea()->activeSubWindow());
        for (const char *name :
             {"mnuFile_Figure_New", "mnuFile_Figure_Open", "mnuFileArmy_New", "mnuFileArmy_Open"}) {
            auto *button = Named<QToolButton>(start, qPrintable(QStringLiteral("btnStart_") + name));
            QVERIFY2(button && button->defaultAction() == action(name), name);
        }
        auto *newest = Named<QCommandLinkButton>(start, "btnRecent_1");
        QCOMPARE(newest->text(), QStringLiteral("knight.tvf"));
        QCOMPARE(newest->toolTip(), QDir::toNativeSeparators(knight));
        QVERIFY(Named<QCommandLinkButton>(start, "btnRecent_2"));
        QVERIFY(!Named<QCommandLinkButton>(start, "btnRecent_3"));

        // The entry reached by Tab shows it; Enter (or Return) on it, as a click.
        QTRY_VERIFY(newest->isVisible());
        QVERIFY(!newest->autoFillBackground());
        newest->setFocus(Qt::TabFocusReason);
        QVERIFY(newest->autoFillBackground());
        Named<QCommandLinkButton>(start, "btnRecent_2")->setFocus(Qt::TabFocusReason);
        QVERIFY(!newest->autoFillBackground());
        QTest::keyClick(newest, Qt::Key_Return);
        QCOMPARE(childForms(), QStringList{"frmFigure"});
        QVERIFY(!start->isVisible());
        m_main->mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(start->isVisible());
        QTest::keyClick(Named<QToolButton>(start, "btnStart_mnuFileArmy_New"), Qt::Key_Enter);
        QCOMPARE(childForms(), QStringList{"frmArmy"});
    }

private:
    static void changeFigureName(frmFigure *figure, const QString &name)
    {
        auto *field = Named<QLineEdit>(figure, "txtFigureName");
        field->setText(name);
        emit field->textEdited(name);
    }

    tarvello::RulesTables m_shipped;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
