// The main window with real figure editors: File, New and Open, forwarding of
// Save, and Quit asking every changed figure in turn.

#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "scripteddialogs.h"
#include "smalltables.h"
#include "shell/appcontext.h"
#include "shell/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class FigureShellTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    void newFigureOpensAnEditor();
    void openWithCancelledDialogShowsAnEmptyEditor();
    void openFillsTheEditorFromTheFile();
    void saveAndSaveAsReachTheActiveFigure();
    void quitAsksEveryChangedFigureAndOneCancelKeepsAll();
    void refreshKeepsTheListsAndTheNextCalculationUsesNewRows();

private:
    QAction *action(const char *name) const
    {
        return m_main->findChild<QAction *>(QString::fromLatin1(name));
    }
    QList<frmFigure *> figures() const
    {
        QList<frmFigure *> result;
        for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
            if (auto *figure = qobject_cast<frmFigure *>(window->widget()))
                result.append(figure);
        }
        return result;
    }
    static void changeName(frmFigure *figure, const QString &name)
    {
        auto *field = figure->findChild<QLineEdit *>(QStringLiteral("txtFigureName"));
        field->setText(name);
        emit field->textEdited(name);
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    tarvello::RulesTables m_tables;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

void FigureShellTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_tables = SmallRulesTables();
    m_context = AppContext{&m_dialogs, &m_tables, m_folder.path(), {}, nullptr,
                           m_folder.filePath(QStringLiteral("tarvello.conf"))};
    m_main = new frmMain(m_context);
    m_main->setModalRunner([](QDialog &) {});
    m_main->show();
}

void FigureShellTest::cleanup()
{
    for (frmFigure *figure : figures())
        figure->setCloseApproved(true);
    delete m_main;
}

void FigureShellTest::newFigureOpensAnEditor()
{
    QVERIFY(action("mnuFile_Figure_New")->isEnabled());
    action("mnuFile_Figure_New")->trigger();
    action("mnuFile_Figure_New")->trigger();
    QCOMPARE(figures().size(), 2);
    frmFigure *figure = figures().constLast();
    QCOMPARE(figure->windowTitle(), QStringLiteral("Figure"));
    // The default figure: Leather (green 4), Human, defense row 4 = 2.5, no weapons.
    QCOMPARE(figure->findChild<QLineEdit *>(QStringLiteral("txtDefenseFactor"))->text(),
             QStringLiteral("2.5"));
    QCOMPARE(figure->findChild<QLineEdit *>(QStringLiteral("txtFinalCost"))->text(),
             QStringLiteral("0"));
    QCOMPARE(m_dialogs.calls.size(), 0);
}

void FigureShellTest::openWithCancelledDialogShowsAnEmptyEditor()
{
    action("mnuFile_Figure_Open")->trigger();
    QCOMPARE(m_dialogs.count(Kind::OpenFile), 1);
    QCOMPARE(m_dialogs.callsOf(Kind::OpenFile).at(0).filter,
             QStringLiteral("Figure (*.tvf)|*.tvf|All files (*.*)|*.*"));
    QCOMPARE(figures().size(), 1);
    QVERIFY(figures().at(0)->isVisible());
    QCOMPARE(figures().at(0)->windowTitle(), QStringLiteral("Figure"));
}

void FigureShellTest::openFillsTheEditorFromTheFile()
{
    const QString path = m_folder.filePath(QStringLiteral("scout.tvf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Figure]\r\ntxtFigureName=Scout\r\ncboRace=Dwarf\r\ntxtHitPoints=2\r\n"
               "[MeleeWeapon1]\r\nName=Sword\r\nMax Damage=6\r\nNotes=Edged\r\n");
    file.close();
    m_dialogs.openFileAnswers.enqueue(path);

    action("mnuFile_Figure_Open")->trigger();
    QCOMPARE(figures().size(), 1);
    frmFigure *figure = figures().at(0);
    QCOMPARE(figure->windowTitle(), QStringLiteral("Figure: Scout"));
    QCOMPARE(figure->findChild<QComboBox *>(QStringLiteral("cboRace"))->currentText(),
             QStringLiteral("Dwarf"));
    // Leather green 4 + Dwarf 1 = 5 -> defense 3; green sword row 6 melee 3;
    // 3 x 3 x 1.0 x 2 hit points = 18.
    QCOMPARE(figure->findChild<QLineEdit *>(QStringLiteral("txtFinalCost"))->text(),
             QStringLiteral("18"));
    QVERIFY(!figure->model().Changed());
}

void FigureShellTest::saveAndSaveAsReachTheActiveFigure()
{
    action("mnuFile_Figure_New")->trigger();
    frmFigure *figure = figures().at(0);
    changeName(figure, QStringLiteral("Pikeman"));
    const QString path = m_folder.filePath(QStringLiteral("pikeman.tvf"));
    m_dialogs.saveFileAnswers.enqueue(path);

    emit m_main->findChild<QMenu *>(QStringLiteral("mnuFile"))->aboutToShow();
    QVERIFY(action("mnuFile_SaveAs")->isEnabled());
    QVERIFY(action("mnuFile_Export")->isEnabled());
    action("mnuFile_Save")->trigger();
    QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);
    QCOMPARE(m_dialogs.callsOf(Kind::SaveFile).at(0).proposedName, QStringLiteral("Pikeman.tvf"));
    QVERIFY(QFile::exists(path));
    QVERIFY(!figure->model().Changed());

    // A second Save goes to the same file without asking; Save As asks again.
    changeName(figure, QStringLiteral("Pikeman II"));
    action("mnuFile_Save")->trigger();
    QCOMPARE(m_dialogs.count(Kind::SaveFile), 1);
    action("mnuFile_SaveAs")->trigger();
    QCOMPARE(m_dialogs.count(Kind::SaveFile), 2);
}

void FigureShellTest::quitAsksEveryChangedFigureAndOneCancelKeepsAll()
{
    action("mnuFile_Figure_New")->trigger();
    action("mnuFile_Figure_New")->trigger();
    changeName(figures().at(0), QStringLiteral("First"));
    changeName(figures().at(1), QStringLiteral("Second"));
    const QString path = m_folder.filePath(QStringLiteral("first.tvf"));
    // Yes at the first saves it; Cancel at the second keeps everything open.
    m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Yes);
    m_dialogs.messageAnswers.enqueue(IDialogs::Answer::Cancel);
    m_dialogs.saveFileAnswers.enqueue(path);

    action("mnuFileQuit")->trigger();
    const QList<ScriptedDialogs::Call> asked = m_dialogs.callsOf(Kind::Message);
    QCOMPARE(asked.size(), 2);
    for (const ScriptedDialogs::Call &call : asked) {
        QCOMPARE(call.text, QStringLiteral("Figure changes not saved!\r\nSave them now?"));
        QCOMPARE(call.title, QStringLiteral("Tarvello 1.0.0"));
        QCOMPARE(call.buttons, IDialogs::Buttons::YesNoCancel);
        QCOMPARE(call.icon, IDialogs::Icon::Question);
    }
    QVERIFY(QFile::exists(path));
    QCOMPARE(figures().size(), 2);
    QVERIFY(m_main->isVisible());
    QVERIFY(!figures().at(0)->model().Changed());
    QVERIFY(figures().at(1)->model().Changed());

    // Asked again, No for the second: the saved first one asks nothing.
    m_dialogs.messageAnswers.enqueue(IDialogs::Answer::No);
    action("mnuFileQuit")->trigger();
    QCOMPARE(m_dialogs.count(Kind::Message), 3);
    QVERIFY(figures().isEmpty());
    QVERIFY(!m_main->isVisible());
}

void FigureShellTest::refreshKeepsTheListsAndTheNextCalculationUsesNewRows()
{
    action("mnuFile_Figure_New")->trigger();
    frmFigure *figure = figures().at(0);
    auto *race = figure->findChild<QComboBox *>(QStringLiteral("cboRace"));
    QCOMPARE(race->count(), 2);

    // Only races.skv lies in the program folder: the other ten tables report
    // their missing files and keep their rows.
    QFile file(m_folder.filePath(QStringLiteral("races.skv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name;HitFactorModifier\r\nGiant;3\r\nDwarf;1\r\nGnome;0\r\n");
    file.close();
    action("mnuResources_Reload")->trigger();
    QCOMPARE(m_dialogs.count(Kind::Message), 10);
    QCOMPARE(m_tables.Races.size(), std::size_t(3));

    // The list still shows Human and Dwarf; position 0 now means Giant (+3).
    QCOMPARE(race->count(), 2);
    QCOMPARE(race->itemText(0), QStringLiteral("Human"));
    auto *modifier = figure->findChild<QLineEdit *>(QStringLiteral("txtRaceHitFactorModifier"));
    QCOMPARE(modifier->text(), QStringLiteral("0"));
    race->setCurrentIndex(0);
    emit race->activated(0);
    QCOMPARE(modifier->text(), QStringLiteral("3"));
}

QTEST_MAIN(FigureShellTest)
#include "figure_shell_test.moc"
