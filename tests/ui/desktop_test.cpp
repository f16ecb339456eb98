// The main window as a desktop program: files named on the command line,
// the standard shortcuts and File, Open Recent.

#include "army/armymodel.h"
#include "army/frmarmy.h"
#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "rules/modloaddata.h"
#include "shell/recentfilesmenu.h"
#include "shell/startup.h"
#include "windowtest.h"

#include <QSignalSpy>

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
        OpenCommandLineFiles(*m_main, {kKnight});
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

        OpenCommandLineFiles(*m_main, {kKnight, broken, notes, kArmy});
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
        OpenCommandLineFiles(*m_main, {kKnight, kArmy});
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

    void figureOpenedBeforeTheMainWindowHasItsSizeIsLaidOutLikeAnyOther()
    {
        m_main->showNormal();
        m_main->resize(400, 500);
        QApplication::processEvents();
        OpenCommandLineFiles(*m_main, {kKnight});
        QMdiSubWindow *first = m_main->mdiArea()->activeSubWindow();
        QVERIFY(first->widget()->height() >= first->widget()->minimumSizeHint().height());
        QCOMPARE(first->pos(), QPoint(0, 0)); // where the area shows it
        m_main->resize(1366, 768);
        QApplication::processEvents();
        OpenCommandLineFiles(*m_main, {kKnight});
        QCOMPARE(first->size(), m_main->mdiArea()->activeSubWindow()->size());
    }

    void recentFilesListOpenedAndSavedFilesAndDropMissingOnes()
    {
        const QString copy = tempPath(QStringLiteral("Salt & Iron.tvf"));
        OpenCommandLineFiles(*m_main, {kKnight});
        m_dialogs.saveFileAnswers.enqueue(copy);
        m_main->findChild<QAction *>(QStringLiteral("mnuFile_SaveAs"))->trigger();
        QVERIFY(QFile::exists(copy));

        QMenu *menu = m_main->findChild<QMenu *>(QStringLiteral("mnuFile_OpenRecent"));
        emit menu->aboutToShow();
        QAction *first = menu->findChild<QAction *>(QStringLiteral("mnuFile_OpenRecent_1"));
        QVERIFY(first);
        QCOMPARE(first->text(), QStringLiteral("&1 ") + QString(copy).replace(QStringLiteral("&"), QStringLiteral("&&")));

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

private:
    tarvello::RulesTables m_shipped;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
