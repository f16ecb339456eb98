// The rules-table editor: typing in cells, moving on, the row keys, saving,
// printing and closing.

#include "tableedit/clsflexgridedit.h"
#include "tableedit/flexgrid.h"
#include "tableedit/frmedit_table.h"
#include "tableedit/tablemodel.h"
#include "windowtest.h"

#include <QAbstractItemModelTester>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tarvello;

namespace {

const QByteArray kTable = "Name;Cost;Note\r\nSword;3;x\r\nAxe;4;y\r\nBow;5;z\r\nMace;6;w\r\n";

} // namespace

class FrmEditTableTest : public QObject, public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<frmEdit_Table> m_window;
    // Checks every change the grid's model announces against what it then holds.
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    FlexGrid *m_grid = nullptr;
    QLineEdit *m_box = nullptr;

    // Opens a table in a new, active window with the cell at (row, column)
    // current (data rows: 0 is the first row below the captions).
    void open(int row = 0, int column = 0, const QByteArray &bytes = kTable)
    {
        m_window = std::make_unique<frmEdit_Table>(m_context);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        WriteBytes(tempPath(QStringLiteral("t.skv")), bytes);
        m_window->OpenFile(tempPath(QStringLiteral("t.skv")), QStringLiteral("Melee Weapons"));
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &m_window->tableModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_grid = Named<FlexGrid>(m_window.get(), "grdTable");
        m_box = Named<QLineEdit>(m_window.get(), "tbFgEdit1");
        QVERIFY(m_grid && m_box);
        select(row, column);
    }

    void select(int row, int column)
    {
        m_grid->setCurrentCell(row, column);
        m_grid->setFocus();
    }

    QString cell(int row, int column) const
    {
        return m_grid->model()->index(row, column).data().toString();
    }

    QModelIndex current() const { return m_grid->currentIndex(); }

private slots:
    void init() { resetContext(tarvello::RulesTables()); }

    void cleanup()
    {
        m_tester.reset();
        if (m_window)
            m_window->setCloseApproved(true);
        m_window.reset();
    }

    void typingOnACellOpensTheBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << "";
        QTest::newRow("space") << int(Qt::Key_Space) << "Axe" << "Axe";
        QTest::newRow("enter") << int(Qt::Key_Return) << "Axe" << "Axe";
        QTest::newRow("hash") << int(Qt::Key_NumberSign) << "" << "";
    }

    void typingOnACellOpensTheBox()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        open(1, 0);
        QTest::keyClick(m_grid, Qt::Key(key));
        QVERIFY(m_box->isVisible());
        QVERIFY(m_box->hasFocus());
        QCOMPARE(m_box->text(), text);
        QCOMPARE(m_box->selectedText(), selected);
        QCOMPARE(m_box->cursorPosition(), text.size());
        QCOMPARE(m_box->geometry().topLeft(),
                 m_grid->viewport()->mapTo(m_window.get(), m_grid->visualRect(current()).topLeft()));
    }

    void doubleClickOpensWithTheTextSelectedAndShiftIsReported()
    {
        open(2, 1);
        QSignalSpy keys(&m_window->cellEditor(), &clsFlexGridEdit::TextKeyDown);
        const QPoint at = m_grid->visualRect(current()).center();
        QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(m_box->isVisible());
        QCOMPARE(m_box->selectedText(), QStringLiteral("5"));
        QCOMPARE(keys.count(), 1);
        QCOMPARE(keys.at(0).at(0).toInt(), 0);
        QTest::keyClick(m_box, Qt::Key_Escape);
        QTest::keyClick(m_grid, '#', Qt::ShiftModifier);
        QCOMPARE(keys.last().at(0).toInt(), 51);
        QCOMPARE(keys.last().at(1).toInt(), 1);
        QVERIFY(m_window->modified());
    }

    void enterAndArrowsMoveOnAndWrap_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("from"); // (column, row)
        QTest::addColumn<QPoint>("to");
        QTest::newRow("right from the last cell") << QByteArray("EnterKeyBehaviour") << 1 << int(Qt::Key_Return) << QPoint(2, 3) << QPoint(0, 0);
        QTest::newRow("tab up") << QByteArray("TabKeyBehaviour") << 3 << int(Qt::Key_Tab) << QPoint(1, 2) << QPoint(1, 1);
        QTest::newRow("up from the first cell") << QByteArray() << 0 << int(Qt::Key_Up) << QPoint(0, 0) << QPoint(2, 3);
    }

    void enterAndArrowsMoveOnAndWrap()
    {
        QFETCH(QByteArray, property);
        QFETCH(int, behaviour);
        QFETCH(int, key);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        open(from.y(), from.x());
        if (!property.isEmpty())
            QVERIFY(m_window->cellEditor().setProperty(property.constData(), behaviour));
        QTest::keyClick(m_grid, Qt::Key_Q);
        QTest::keyClick(m_box, Qt::Key(key));
        QCOMPARE(cell(from.y(), from.x()), QStringLiteral("q"));
        QCOMPARE(current(), m_grid->model()->index(to.y(), to.x()));
        QVERIFY(m_box->isVisible());
        QVERIFY(m_box->hasFocus());
        QCOMPARE(m_box->selectedText(), cell(to.y(), to.x()));
    }

    void enterWithBehaviourZeroWritesAndEscapeCancels()
    {
        open(0, 0);
        QTest::keyClick(m_grid, 'D', Qt::ShiftModifier);
        QTest::keyClicks(m_box, "irk");
        QCOMPARE(m_box->text(), QStringLiteral("Dirk"));
        QTest::keyClick(m_box, Qt::Key_Return);
        QVERIFY(!m_box->isVisible());
        QVERIFY(m_grid->hasFocus());
        QCOMPARE(cell(0, 0), QStringLiteral("Dirk"));

        QTest::keyClick(m_grid, Qt::Key_X);
        QTest::keyClick(m_box, ';');
        m_box->insert(QStringLiteral("\t\r\n"));
        QCOMPARE(m_box->text(), QStringLiteral("x")); // a cell cannot hold ";" nor a tab
        QTest::keyClick(m_box, Qt::Key_Escape);
        QVERIFY(!m_box->isVisible());
        QCOMPARE(cell(0, 0), QStringLiteral("Dirk"));

        // Leaving the cell writes into the cell being left.
        QTest::keyClicks(m_grid, "Y");
        select(1, 1);
        QCOMPARE(cell(0, 0), QStringLiteral("Y"));
        QCOMPARE(cell(1, 1), QStringLiteral("4"));
    }

    void ignoreNextKeySwallowsOneCharacter()
    {
        open(0, 0);
        QSignalSpy keys(&m_window->cellEditor(), &clsFlexGridEdit::TextKeyDown);
        m_window->cellEditor().IgnoreNextKey = true;
        QTest::keyClick(m_grid, Qt::Key_A);
        QVERIFY(!m_box->isVisible());
        QVERIFY(!m_window->cellEditor().IgnoreNextKey);
        QCOMPARE(keys.count(), 1);
        QTest::keyClick(m_grid, Qt::Key_A);
        QVERIFY(m_box->isVisible());
    }

    void navigationKeysDoNothingButShiftExtends()
    {
        open(1, 1);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageDown,
                            Qt::Key_PageUp}) {
            QTest::keyClick(m_grid, key);
            QCOMPARE(current(), m_grid->model()->index(1, 1));
        }
        QVERIFY(!m_box->isVisible());
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_grid->selectionTop(), 1);
        QCOMPARE(m_grid->selectionBottom(), 2);
    }

    void cutOfTheLastRowsEmptiesTheLastOne()
    {
        open(1, 0);
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Axe\t4\r\nBow\t5\r\nMace\t6"));
        QVERIFY(!m_box->isVisible()); // the control character opened nothing
        QCOMPARE(m_grid->model()->rowCount(), 2);
        QCOMPARE(cell(1, 0) + cell(1, 1) + cell(1, 2), QStringLiteral("w"));
        QCOMPARE(current().row(), 1);
    }

    void pasteInsertsLinesAtTheSelectionRowAndInsertAddsBelow()
    {
        open(2, 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("Club\t2\r\nFlail\t7\r\n"));
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!m_box->isVisible());
        QStringList names;
        for (int r = 0; r < m_grid->model()->rowCount(); ++r)
            names << cell(r, 0);
        QCOMPARE(names.join(','), QStringLiteral("Sword,Axe,Club,Flail,Bow,Mace"));
        select(0, 0);
        QTest::mouseClick(Named<QWidget>(m_window.get(), "btnInsert"), Qt::LeftButton);
        QCOMPARE(cell(1, 0), QString());
        QCOMPARE(cell(2, 0), QStringLiteral("Axe"));
        QTest::keyClick(m_grid, Qt::Key_Delete);
        QCOMPARE(cell(0, 0), QString());
        QCOMPARE(cell(1, 0), QStringLiteral("Axe"));
    }

    void theBoxFollowsTheGridWhenItScrolls()
    {
        QByteArray many = "A;B\r\n";
        for (int r = 0; r < 200; ++r)
            many += QByteArray::number(r) + ";x\r\n";
        open(0, 0, many);
        QTest::keyClick(m_grid, Qt::Key_A);
        m_grid->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->maximum());
        QCOMPARE(m_box->pos(), QPoint(-m_box->width(), -m_box->height()));
        QTest::keyClick(m_box, Qt::Key_B);
        QCOMPARE(m_box->text(), QStringLiteral("ab"));
        QCOMPARE(m_box->geometry().topLeft(),
                 m_grid->viewport()->mapTo(m_window.get(), m_grid->visualRect(current()).topLeft()));
        QVERIFY(m_box->y() >= 0);
    }

    void secondEditorOnTheWindowGetsAnotherOne()
    {
        open();
        FlexGrid other(m_window.get());
        clsFlexGridEdit second;
        second.setFlexGridControl(&other);
        QCOMPARE(second.editBox()->objectName(), QStringLiteral("tbFgEdit11"));
        second.setFlexGridControl(nullptr);
        QVERIFY(!Named<QLineEdit>(m_window.get(), "tbFgEdit11"));
    }

    void savingWritesBackAndReportsFailures()
    {
        const QByteArray odd = "N;M\rSw\xE9rd;3;hidden\nAxe";
        open(0, 0, odd);
        const QString path = m_window->fileName();
        m_window->Save();
        QCOMPARE(ReadBytes(path), odd);
        QTest::keyClick(m_grid, Qt::Key_Z);
        QTest::keyClick(m_box, Qt::Key_Return);
        QVERIFY(m_window->modified());
        m_window->Save();
        QVERIFY(!m_window->modified());
        QCOMPARE(ReadBytes(path), QByteArray("N;M\r\nz;3\r\nAxe\r\n"));

        const QString copy = tempPath(QStringLiteral("copy.skv"));
        m_dialogs.saveFileAnswers.enqueue(copy);
        QTest::mouseClick(Named<QWidget>(m_window.get(), "btnSaveAs"), Qt::LeftButton);
        QCOMPARE(ReadBytes(copy), ReadBytes(path));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Resource Editor (..\\copy.skv)"));

        QTest::keyClick(m_grid, Qt::Key_Z);
        m_dialogs.saveFileAnswers.enqueue(m_folder->path());
        m_window->SaveAs();
        QCOMPARE(m_dialogs.messageTexts().last(),
                 QStringLiteral("Error in savin resource file ") + m_folder->path()
                     + QStringLiteral("\r\nPath/File access error"));
        QVERIFY(m_window->modified());
    }

    // A cell of 5 MB: the grid and the cell editor get a bounded part, and
    // committing that part unchanged keeps the whole cell.
    void longCellIsShownCutAndSavedWhole()
    {
        const QByteArray bytes = "Name;Cost\r\n" + QByteArray(5 << 20, 'L') + ";3\r\n";
        open(0, 0, bytes);
        QVERIFY(cell(0, 0).size() <= 1000);
        QTest::keyClick(m_grid, Qt::Key_Space);
        QVERIFY(m_box->isVisible() && m_box->text().size() <= 1000);
        QTest::keyClick(m_box, Qt::Key_Return);
        m_window->Save();
        QCOMPARE(ReadBytes(m_window->fileName()), bytes);
    }

    // A widened window: the last column (the notes) takes the width left.
    void lastColumnTakesTheWidthLeft()
    {
        open();
        m_window->resize(900, 300);
        QApplication::processEvents();
        const int last = m_grid->model()->columnCount() - 1;
        QCOMPARE(m_grid->columnViewportPosition(last) + m_grid->columnWidth(last),
                 m_grid->viewport()->width());
    }

    void unreadableTableIsReportedOnce()
    {
        m_window = std::make_unique<frmEdit_Table>(m_context);
        m_window->OpenFile(m_folder->path(), QStringLiteral("Races"));
        QCOMPARE(m_dialogs.messageTexts(), QStringList{QStringLiteral("Errors in table ") + m_folder->path()});
        QCOMPARE(m_window->tableModel().columnCount(), 0);
        QVERIFY(m_window->fileName().isEmpty());
    }

    void closingAsksAndYesKeepsAWindowThatWasNotSaved_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes saves") << true << int(IDialogs::Answer::Yes) << true;
        QTest::newRow("yes, save dialog cancelled") << false << int(IDialogs::Answer::Yes) << false;
        QTest::newRow("no") << false << int(IDialogs::Answer::No) << true;
        QTest::newRow("cancel") << true << int(IDialogs::Answer::Cancel) << false;
    }

    void closingAsksAndYesKeepsAWindowThatWasNotSaved()
    {
        QFETCH(bool, hasFile);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        open(0, 1);
        QTest::keyClick(m_grid, Qt::Key_9);
        QTest::keyClick(m_box, Qt::Key_Return);
        if (!hasFile) {
            m_dialogs.saveFileAnswers.enqueue(std::nullopt);
            m_window->OpenFile(m_folder->path(), QStringLiteral("x"));
            m_dialogs.clearCalls();
        }
        m_dialogs.messageAnswers.enqueue(IDialogs::Answer(answer));
        QCOMPARE(m_window->close(), closes);
        const ScriptedDialogs::Call ask = m_dialogs.callsOf(Kind::Message).first();
        QCOMPARE(ask.text, QStringLiteral("Table not saved!\r\nSave table now?"));
        QCOMPARE(ask.buttons, IDialogs::Buttons::YesNoCancel);
        QCOMPARE(m_dialogs.count(Kind::SaveFile), hasFile ? 0 : int(answer == int(IDialogs::Answer::Yes)));
        if (hasFile)
            QCOMPARE(ReadBytes(m_window->fileName()).contains("Sword;9;x"),
                     answer == int(IDialogs::Answer::Yes));
    }

    void undoAndRedoForwardToTheTableHistory()
    {
        open(0, 1);
        const std::string initial = m_window->tableModel().document().ToBytes();
        QSignalSpy changed(m_window.get(), &ChildWindow::historyChanged);
        QTest::keyClick(m_grid, Qt::Key_9);
        QTest::keyClick(m_box, Qt::Key_Return);
        QTest::keyClick(m_grid, Qt::Key_Insert);
        const std::string final = m_window->tableModel().document().ToBytes();
        QVERIFY(changed.count() >= 2);
        QCOMPARE(m_window->undoName(), QStringLiteral("Insert Row"));
        m_window->undo();
        m_window->undo();
        QVERIFY(!m_window->canUndo());
        QVERIFY(m_window->tableModel().document().ToBytes() == initial);
        m_window->redo();
        m_window->redo();
        QVERIFY(m_window->tableModel().document().ToBytes() == final);
    }

    void printsToPdf()
    {
        open();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = tempPath(QStringLiteral("table.pdf"));
        printer.setOutputFileName(pdf);
        m_context.printer = &printer;
        m_context.printSetup = [](const QString &) { return true; };
        m_window->PrintIt();
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
        QVERIFY(m_dialogs.messageTexts().isEmpty());
    }
};

QTEST_MAIN(FrmEditTableTest)
#include "frmedit_table_test.moc"
