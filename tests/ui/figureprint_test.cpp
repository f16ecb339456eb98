// The figure report from the main window: File, Print into a PDF through the
// printer dialog, File, Print Preview, and File, Export to the clipboard.

#include "figure/figuremodel.h"
#include "figure/frmfigure.h"
#include "scripteddialogs.h"
#include "smalltables.h"
#include "shell/appcontext.h"
#include "shell/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QComboBox>
#include <QTreeWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class FigurePrintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    void printWritesTheReportIntoAPdfAcrossPages();
    void cancelledPrinterSetupPrintsNothingAndSaysNothing();
    void aPrinterThatCannotBeginIsReported();
    void previewDrawsTheSameReportWithoutThePrinterSetup();
    void exportPutsTheTextOnTheClipboardAndConfirms();

private:
    QAction *action(const char *name) const
    {
        return m_main->findChild<QAction *>(QString::fromLatin1(name));
    }
    frmFigure *newFigure(const QString &name, int meleeRows);
    void printToPdf(const QString &path);
    // The PDF's text as pdftotext reads it, pages separated by form feeds.
    static QString pdfText(const QString &path);

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    tarvello::RulesTables m_tables;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

void FigurePrintTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_tables = SmallRulesTables();
    m_context = AppContext();
    m_context.dialogs = &m_dialogs;
    m_context.tables = &m_tables;
    m_context.programFolder = m_folder.path();
    m_main = new frmMain(m_context);
    m_main->setModalRunner([](QDialog &) {});
    m_main->show();
}

void FigurePrintTest::cleanup()
{
    for (QMdiSubWindow *window : m_main->mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(window->widget()))
            child->setCloseApproved(true);
    }
    delete m_main;
}

frmFigure *FigurePrintTest::newFigure(const QString &name, int meleeRows)
{
    action("mnuFile_Figure_New")->trigger();
    auto *figure = qobject_cast<frmFigure *>(m_main->mdiArea()->activeSubWindow()->widget());
    auto *field = figure->findChild<QLineEdit *>(QStringLiteral("txtFigureName"));
    field->setText(name);
    emit field->textEdited(name);
    for (int i = 0; i < meleeRows; ++i) {
        figure->lvwMeleeWeapons->setCurrentItem(figure->lvwMeleeWeapons->topLevelItem(i % 2));
        figure->btnAddMeleeWeapon->click();
    }
    return figure;
}

void FigurePrintTest::printToPdf(const QString &path)
{
    m_main->printer()->setOutputFormat(QPrinter::PdfFormat);
    m_main->printer()->setOutputFileName(path);
}

QString FigurePrintTest::pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void FigurePrintTest::printWritesTheReportIntoAPdfAcrossPages()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    const frmFigure *figure = newFigure(QStringLiteral("Ironfoot Guard"), 70);
    const QString path = m_folder.filePath(QStringLiteral("guard.pdf"));
    printToPdf(path);
    m_dialogs.printerSetupAnswers.enqueue(true);

    action("mnuFile_Print")->trigger();

    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 1);
    QCOMPARE(m_dialogs.callsOf(Kind::PrinterSetup).at(0).parent, m_main);
    QCOMPARE(m_dialogs.count(Kind::Message), 0);
    const QString text = pdfText(path);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    // The report's lines in order, the weapon rows continuing on page two.
    const QStringList expected = {
        QStringLiteral("Ironfoot Guard"), QLatin1Char('(') + figure->txtFinalCost->text() + QStringLiteral(" pts)"),
        QStringLiteral("Type : Normal"), QStringLiteral("Race : Human"),
        QStringLiteral("Training Level : Green"), QStringLiteral("Armor Type : Leather"),
        QStringLiteral("Hit Points : 1"), QStringLiteral("Movement Type : Foot"),
        QStringLiteral("Melee Weapons"), QStringLiteral("Sword"), QStringLiteral("Edged"),
    };
    qsizetype at = 0;
    for (const QString &line : expected) {
        at = pages.at(0).indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(line));
    }
    const int rowsOnPage1 = int(pages.at(0).count(QStringLiteral("Sword")) + pages.at(0).count(QStringLiteral("Axe")));
    const int rowsOnPage2 = int(pages.at(1).count(QStringLiteral("Sword")) + pages.at(1).count(QStringLiteral("Axe")));
    QVERIFY(rowsOnPage1 > 0 && rowsOnPage2 > 0);
    QCOMPARE(rowsOnPage1 + rowsOnPage2, 70);
    QVERIFY(!pages.at(1).contains(QStringLiteral("Melee Weapons")));
}

void FigurePrintTest::cancelledPrinterSetupPrintsNothingAndSaysNothing()
{
    newFigure(QStringLiteral("Scout"), 1);
    const QString path = m_folder.filePath(QStringLiteral("never.pdf"));
    printToPdf(path);
    m_dialogs.printerSetupAnswers.enqueue(false);

    action("mnuFile_Print")->trigger();

    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 1);
    QCOMPARE(m_dialogs.count(Kind::Message), 0);
    QVERIFY(!QFile::exists(path));
}

void FigurePrintTest::aPrinterThatCannotBeginIsReported()
{
    newFigure(QStringLiteral("Scout"), 1);
    printToPdf(m_folder.filePath(QStringLiteral("no/such/folder/scout.pdf")));
    m_dialogs.printerSetupAnswers.enqueue(true);

    action("mnuFile_Print")->trigger();

    QCOMPARE(m_dialogs.count(Kind::Message), 1);
    const ScriptedDialogs::Call box = m_dialogs.callsOf(Kind::Message).at(0);
    QCOMPARE(box.title, QStringLiteral("Tarvello 1.0.0"));
    QCOMPARE(box.text, QStringLiteral("Error in printing Unit Card!\r\nPrinter error"));
    QCOMPARE(box.icon, IDialogs::Icon::Exclamation);
    QCOMPARE(box.buttons, IDialogs::Buttons::Ok);
}

void FigurePrintTest::previewDrawsTheSameReportWithoutThePrinterSetup()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    // Without a figure there is nothing to preview.
    action("mnuFile_PrintPreview")->trigger();
    QCOMPARE(m_dialogs.count(Kind::PrintPreview), 0);

    newFigure(QStringLiteral("Ironfoot Guard"), 2);
    const QString path = m_folder.filePath(QStringLiteral("preview.pdf"));
    printToPdf(path);
    action("mnuFile_PrintPreview")->trigger();

    QCOMPARE(m_dialogs.count(Kind::PrintPreview), 1);
    QCOMPARE(m_dialogs.callsOf(Kind::PrintPreview).at(0).printer, m_main->printer());
    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 0);
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Ironfoot Guard")));
    QCOMPARE(text.count(QStringLiteral("Edged")), 1);
}

void FigurePrintTest::exportPutsTheTextOnTheClipboardAndConfirms()
{
    frmFigure *figure = newFigure(QStringLiteral("Scout \u00e9"), 1);
    figure->cboCommandSkill->setCurrentIndex(1);
    emit figure->cboCommandSkill->activated(1);
    QApplication::clipboard()->clear();

    action("mnuFile_Export")->trigger();

    // Leather, green: base hit factor 4; defense factor row 4 is 2.5; a green
    // Sword (6) multiplies by 3; 2.5 * 3 * 1 * 1 + 10 for the captain = 17.5,
    // rounded to the even 18.
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Scout \u00e9 (18 pts)\r\n"
                            "Type : Normal\tRace : Human\tTraining Level : Green\r\n"
                            "Commandskill : Captain\r\n"
                            "Armor Type : Leather\tBase Hit Factor : 4\r\n"
                            "Race Hit Factor Mod. : 0\tHit Factor Adj. : 0\tHit Factor : 4\r\n"
                            "Hit Points : 1\tMorale : 3\r\n"
                            "Movement Type : Foot\tMove : 6\r\n"
                            "\r\n"
                            "Melee Weapons\tDMG\tNotes\r\n"
                            "Sword\t6\tEdged"));
    QCOMPARE(m_dialogs.messageTexts(),
             QStringList{QStringLiteral("Figure data has been exported to the clipboard.")});
    const ScriptedDialogs::Call box = m_dialogs.callsOf(Kind::Message).at(0);
    QCOMPARE(box.title, QStringLiteral("Tarvello 1.0.0"));
    QCOMPARE(box.icon, IDialogs::Icon::Information);
}

QTEST_MAIN(FigurePrintTest)
#include "figureprint_test.moc"
