// Card sheets from the windows: File, Print Cards on an army prints every
// line's card at its real size, nine to an A4 page with cut marks, into a
// PDF; the figure editor prints copies of its card; lines without a figure
// file are named after printing.

#include "army/armymodel.h"
#include "army/frmarmy.h"
#include "figure/frmfigure.h"
#include "scripteddialogs.h"
#include "shell/frmmain.h"

#include "rules/modloaddata.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class CardSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_main; }
    void armyOfTwelveLinesGivesTwoPagesOfTrueSizeCards();
    void missingFigureFilesAreNamedAfterPrinting();
    void figureCopiesPreviewOnOneSheet();

private:
    void trigger(const char *name) { m_main->findChild<QAction *>(QLatin1String(name))->trigger(); }
    QAction *action(const char *name) { return m_main->findChild<QAction *>(QLatin1String(name)); }
    // A new army editor on the copied figures: each figure in unit sizes 1
    // and 2, so twelve lines.
    frmArmy *armyOfTwelve();
    QString printToPdf(const QString &name);
    static QString run(const QString &program, const QStringList &arguments);

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    tarvello::RulesTables m_tables;
    AppContext m_context;
    frmMain *m_main = nullptr;
};

void CardSheetTest::init()
{
    m_dialogs = ScriptedDialogs();
    m_tables = tarvello::RulesTables();
    tarvello::LoadAllTables(m_tables, TARVELLO_SHIPPED_DATA_DIR, ".",
                            [](const std::string &text) { QFAIL(text.c_str()); });
    const QDir shipped(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
    QDir(m_folder.path()).mkpath(QStringLiteral("figures"));
    for (const QString &name : shipped.entryList({QStringLiteral("*.tvf")}, QDir::Files)) {
        QFile::remove(m_folder.filePath(QStringLiteral("figures/") + name));
        QVERIFY(QFile::copy(shipped.filePath(name), m_folder.filePath(QStringLiteral("figures/") + name)));
    }
    m_context.dialogs = &m_dialogs;
    m_context.tables = &m_tables;
    m_main = new frmMain(m_context);
    m_main->show();
}

frmArmy *CardSheetTest::armyOfTwelve()
{
    trigger("mnuFileArmy_New");
    auto *army = qobject_cast<frmArmy *>(m_main->mdiArea()->activeSubWindow()->widget());
    tarvello::ArmyModel &model = army->model();
    model.SetUnitDirectory(QDir::toNativeSeparators(m_folder.filePath(QStringLiteral("figures"))).toStdString());
    (void)model.ScanFigures();
    for (const char *size : {"1", "2"}) {
        model.SetUnitsToAdd("3");
        model.SetUnitSizeAdd(size);
        for (int row = 0; row < int(model.Available().size()); ++row)
            (void)model.Add(row);
    }
    return army;
}

QString CardSheetTest::printToPdf(const QString &name)
{
    const QString path = m_folder.filePath(name);
    QPrinter *printer = m_main->printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    return path;
}

QString CardSheetTest::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lengths of the dark runs of pixels along each row (or column) of image
// that are at least minimum long.
static QList<int> darkRuns(const QImage &image, bool horizontal, int minimum)
{
    QList<int> runs;
    const int lines = horizontal ? image.height() : image.width();
    const int length = horizontal ? image.width() : image.height();
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int i = 0; i <= length; ++i) {
            const bool dark = i < length
                              && qGray(horizontal ? image.pixel(i, line) : image.pixel(line, i)) < 128;
            if (dark) {
                ++run;
            } else {
                if (run >= minimum)
                    runs.append(run);
                run = 0;
            }
        }
    }
    return runs;
}

void CardSheetTest::armyOfTwelveLinesGivesTwoPagesOfTrueSizeCards()
{
    frmArmy *army = armyOfTwelve();
    QCOMPARE(army->model().Units().size(), std::size_t(12));
    QVERIFY(action("mnuFile_PrintCards")->isEnabled());
    const QString path = printToPdf(QStringLiteral("army.pdf"));
    m_dialogs.cardSheetAnswers.enqueue(IDialogs::CardSheetChoice{false, 1, false});
    m_dialogs.printerSetupAnswers.enqueue(true);
    trigger("mnuFile_PrintCards");

    const QList<ScriptedDialogs::Call> asked = m_dialogs.callsOf(Kind::CardSheet);
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].sheet.forArmy);
    QCOMPARE(asked[0].sheet.lineCards, 12);
    QCOMPARE(asked[0].sheet.unitCards, 36);
    QCOMPARE(asked[0].sheet.countText(12), QStringLiteral("12 cards on 2 pages"));
    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 1);
    QCOMPARE(m_dialogs.count(Kind::Message), 0);

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));

    // Page 1 at 300 dpi: 6 cm is 708.7 pixels, 8.4 cm 992.1, 0.5 mm 5.9.
    const QString png = m_folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("300"),
                                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                                     path, png});
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    // The longest lines are the card frames: every card's top and bottom
    // edge (nine cards), and its left and right edge.
    const auto frames = [](const QList<int> &runs, double size) {
        int count = 0;
        for (const int run : runs) {
            if (run > size + 5.9)
                return -1;
            count += qAbs(run - size) <= 5.9 ? 1 : 0;
        }
        return count;
    };
    QVERIFY(frames(darkRuns(page, true, 400), 708.7) >= 18);
    QVERIFY(frames(darkRuns(page, false, 600), 992.1) >= 18);
    // Cut marks: short lines of about 5 mm (59 pixels), a card edge's worth:
    // two per column at the top and two at the bottom, so at least twelve
    // vertical ones in the page's margins.
    int blockTop = 0;
    while (blockTop < page.height() && darkRuns(page.copy(0, blockTop, page.width(), 1), true, 600).isEmpty())
        ++blockTop;
    const QList<int> marks = darkRuns(page.copy(0, 0, page.width(), blockTop), false, 40);
    QVERIFY2(marks.size() >= 6, qPrintable(QString::number(marks.size())));
    for (const int m : marks)
        QVERIFY2(m <= 70, qPrintable(QString::number(m)));
}

void CardSheetTest::missingFigureFilesAreNamedAfterPrinting()
{
    armyOfTwelve();
    QVERIFY(QFile::remove(m_folder.filePath(QStringLiteral("figures/spearman.tvf"))));
    QFile broken(m_folder.filePath(QStringLiteral("figures/war_wagon.tvf")));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("[Figure]\r\ntxtFigureName=War Wagon\r\ntxtImageFile=w.bmp\r\n"
                 "[ImageProperties]\r\nWidth=-4\r\n");
    broken.close();
    const QString path = printToPdf(QStringLiteral("skipped.pdf"));
    m_dialogs.cardSheetAnswers.enqueue(IDialogs::CardSheetChoice{true, 1, false});
    m_dialogs.printerSetupAnswers.enqueue(true);
    trigger("mnuFile_PrintCards");

    const QStringList texts = m_dialogs.messageTexts();
    QCOMPARE(texts.size(), 1);
    // Four figures of 3 + 3 units printed; both lines of each missing one named.
    QVERIFY2(texts[0].startsWith(QStringLiteral("24 cards printed, 4 skipped: Spearman (file not found); ")),
             qPrintable(texts[0]));
    QCOMPARE(texts[0].count(QStringLiteral("War Wagon (")), 2);
    QVERIFY(QFile::exists(path));
    QVERIFY(run(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))));

    // Cancelling the dialog prints nothing.
    m_dialogs.clearCalls();
    QVERIFY(QFile::remove(path));
    m_main->findChild<frmArmy *>()->findChild<QPushButton *>(QStringLiteral("btnPrintCards"))->click();
    QCOMPARE(m_dialogs.count(Kind::CardSheet), 1);
    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 0);
    QVERIFY(!QFile::exists(path));
}

void CardSheetTest::figureCopiesPreviewOnOneSheet()
{
    trigger("mnuFile_Figure_New");
    QVERIFY(action("mnuFile_PrintCards")->isEnabled());
    const QString path = printToPdf(QStringLiteral("copies.pdf"));
    m_dialogs.cardSheetAnswers.enqueue(IDialogs::CardSheetChoice{false, 5, true});
    trigger("mnuFile_PrintCards");
    QVERIFY(!m_dialogs.callsOf(Kind::CardSheet).at(0).sheet.forArmy);
    // The preview draws on the printer without its setup dialog.
    QCOMPARE(m_dialogs.count(Kind::PrintPreview), 1);
    QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 0);
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))), qPrintable(info));
    // Five card frames' top and bottom edges.
    const QString png = m_folder.filePath(QStringLiteral("copies"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                     QStringLiteral("-singlefile"), path, png});
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    QVERIFY(darkRuns(page, true, 200).size() >= 10);

    // No document window: nothing to print cards of.
    m_main->mdiArea()->closeAllSubWindows();
    QVERIFY(!action("mnuFile_PrintCards")->isEnabled());
}

QTEST_MAIN(CardSheetTest)
#include "cardsheet_test.moc"
