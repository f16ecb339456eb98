// File, Print Cards: an army's cards at true size, nine to an A4 page with cut marks, into a PDF;
// skipped lines named after printing; copies of a figure's card from its editor and card window.

#include "army/armymodel.h"
#include "army/frmarmy.h"
#include "figure/frmfigure.h"
#include "windowtest.h"

#include "platform/fileio.h"
#include "rules/modloaddata.h"

#include <QPageSize>

#include <utility>

using namespace tarvello;

// The lengths of the dark runs of at least minimum pixels along the rows (or
// columns) of image.
static QList<int> darkRuns(const QImage &image, bool horizontal, int minimum)
{
    QList<int> runs;
    const int lines = horizontal ? image.height() : image.width();
    const int length = horizontal ? image.width() : image.height();
    for (int line = 0; line < lines; ++line) {
        for (int i = 0, run = 0; i <= length; ++i) {
            if (i < length && qGray(horizontal ? image.pixel(i, line) : image.pixel(line, i)) < 128)
                ++run;
            else if (run >= minimum)
                runs.append(std::exchange(run, 0));
            else
                run = 0;
        }
    }

    return runs;
}

// How many runs are size long (within 0.5 mm at 300 dpi); -1 when one is longer.
static int runsOf(const QList<int> &runs, double size)
{
    int count = 0;
    for (const int run : runs) {
        if (run > size + 5.9)
            return -1;
        count += qAbs(run - size) <= 5.9;
    }

    return count;
}

class CardSheetTest : public QObject, public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        tarvello::RulesTables shipped;
        tarvello::LoadAllTables(shipped, TARVELLO_SHIPPED_DATA_DIR, ".", [](const tarvello::Failure &) {});
        startMain(shipped);
        const QDir figures(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        QDir(m_folder->path()).mkpath(QStringLiteral("figures"));
        for (const QString &name : figures.entryList({QStringLiteral("*.tvf")}, QDir::Files))
            QVERIFY(QFile::copy(figures.filePath(name), tempPath(QStringLiteral("figures/") + name)));
    }

    void cleanup() { stopMain(); }
    void armyPrintsTrueSizeCardsAndNamesSkippedLines()
    {
        action("mnuFileArmy_New")->trigger();
        auto *army = active<frmArmy>();
        QVERIFY(action("mnuFile_PrintCards")->isEnabled());
        // Six figures in unit sizes 1 and 2: twelve lines of three units.
        tarvello::ArmyModel &model = army->model();
        model.SetUnitDirectory(tempPath(QStringLiteral("figures")).toStdString());
        (void)model.ScanFigures();
        model.SetUnitsToAdd("3");
        for (const char *size : {"1", "2"}) {
            model.SetUnitSizeAdd(size);
            for (int row = 0; row < int(model.Available().size()); ++row)
                (void)model.Add(row);
        }
        QString info;
        const QString pdf = printToPdf(QStringLiteral("army.pdf"), {false, 1, false}, info);
        const IDialogs::CardSheetQuestion asked = m_dialogs.callsOf(Kind::CardSheet).at(0).sheet;
        QVERIFY(asked.forArmy && asked.lineCards == 12 && asked.unitCards == 36);
        QCOMPARE(asked.countText(12), QStringLiteral("12 cards on 2 pages"));
        QVERIFY2(info.contains(QStringLiteral("Pages: 2 ")) && info.contains(QStringLiteral("595 x 842 pts (A4)")),
                 qPrintable(info));
        QCOMPARE(m_dialogs.count(Kind::Message), 0);

        // 300 dpi: 9 cards' frames of 6 cm (708.7 pixels) by 8.4 cm (992.1), each edge a few pixels thick.
        const QImage first = PdfPage(pdf, 300);
        QVERIFY(runsOf(darkRuns(first, true, 400), 708.7) >= 18);
        QVERIFY(runsOf(darkRuns(first, false, 600), 992.1) >= 18);
        // Above the cards only the cut marks, about 5 mm (59 pixels) each.
        int blockTop = 0;
        while (blockTop < first.height() && darkRuns(first.copy(0, blockTop, first.width(), 1), true, 600).isEmpty())
            ++blockTop;
        const QList<int> marks = darkRuns(first.copy(0, 0, first.width(), blockTop), false, 40);
        QVERIFY2(marks.size() >= 6 && runsOf(marks, 59) == marks.size(), qPrintable(QString::number(marks.size())));

        // A missing figure file, each of its lines named, and a broken picture.
        QVERIFY(QFile::remove(tempPath(QStringLiteral("figures/spearman.tvf"))));
        QVERIFY(tarvello::WriteFileAtomically(
                    tempPath(QStringLiteral("figures/war_wagon.tvf")).toStdString(),
                    "[Figure]\r\ntxtFigureName=War Wagon\r\ntxtImageFile=w.bmp\r\n"
                    "[ImageProperties]\r\nWidth=-4\r\n")
                    .ok());
        printToPdf(QStringLiteral("skipped.pdf"), {true, 1, false}, info);
        QVERIFY2(info.contains(QStringLiteral("Pages: 4 ")), qPrintable(info));
        // The broken picture's figure is printed without it, and named once.
        QCOMPARE(m_dialogs.messageTexts(),
                 QStringList(QStringLiteral("30 cards printed, 2 skipped: Spearman (file not found); "
                                            "Spearman (file not found), 1 without its picture: War "
                                            "Wagon (Its Width -4 is below 0.)")));
    }

    // Three lines of two figures: one card each after a roster page that names
    // every line.
    void armyRosterPageThenOneCardPerFigure()
    {
        action("mnuFileArmy_New")->trigger();
        tarvello::ArmyModel &model = active<frmArmy>()->model();
        model.SetUnitDirectory(tempPath(QStringLiteral("figures")).toStdString());
        (void)model.ScanFigures();
        for (const auto &[row, size] : {std::pair{0, "1"}, {1, "1"}, {0, "2"}}) {
            model.SetUnitSizeAdd(size);
            (void)model.Add(row);
        }
        QVERIFY(model.SetPointsLimit("1000"));
        QString info;
        const QString pdf = printToPdf(QStringLiteral("roster.pdf"),
                                       {false, 1, false, true, true}, info);
        const IDialogs::CardSheetQuestion asked = m_dialogs.callsOf(Kind::CardSheet).at(0).sheet;
        QCOMPARE(asked.figureCards, 2);
        QCOMPARE(asked.rosterPages, 1);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                 QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString roster = QString::fromUtf8(text.readAllStandardOutput());
        for (const tarvello::ArmyUnit &unit : model.Units())
            QVERIFY2(roster.contains(QString::fromStdString(unit.Summary(tarvello::kFigureName))),
                     qPrintable(roster));
        QVERIFY2(roster.contains(QStringLiteral("Points limit: 1000")), qPrintable(roster));
        QVERIFY2(info.contains(QStringLiteral("Pages: 2 ")), qPrintable(info));
        // Unticked, the roster has no bar; ticked, the bar of points by type
        // goes under its heading, with a legend and the limit's mark.
        QVERIFY2(!roster.contains(QStringLiteral("Rounding")), qPrintable(roster));
        IDialogs::CardSheetChoice withBar{false, 1, false, true, true};
        withBar.rosterBar = true;
        const QString barPdf = printToPdf(QStringLiteral("rosterbar.pdf"), withBar, info);
        QCOMPARE(m_dialogs.callsOf(Kind::CardSheet).at(1).sheet.rosterBarPages, 1);
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), barPdf,
                                                 QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString barPage = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *part : {"Rounding: 0", "Left: ", "Limit"})
            QVERIFY2(barPage.contains(QLatin1String(part)), qPrintable(barPage));
        // The first figure's two lines share one card.
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), pdf,
                                                 QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString first = QString::fromStdString(model.Units()[0].Summary(tarvello::kFigureName));
        QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).count(first), 1);
    }

    void figureAndCardWindowPrintCopies()
    {
        action("mnuFile_Figure_New")->trigger();
        auto *figure = active<frmFigure>();
        QVERIFY(action("mnuFile_PrintCards")->isEnabled());
        // Five copies previewed: drawn on the printer without its setup dialog.
        QString info;
        printToPdf(QStringLiteral("copies.pdf"), {false, 5, true}, info);
        QCOMPARE(m_dialogs.count(Kind::PrintPreview), 1);
        QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 0);
        QVERIFY2(info.contains(QStringLiteral("Pages: 1 ")), qPrintable(info));

        ClickButton(figure, "btnCard");
        QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmUnitCard"));
        m_dialogs.clearCalls();
        action("mnuFile_PrintCards")->trigger();
        QCOMPARE(m_dialogs.count(Kind::CardSheet), 1);

        for (int i = 0; i < 3; ++i) // closing questions of the card and the figure
            m_dialogs.messageAnswers.enqueue(IDialogs::Answer::No);
        m_main->mdiArea()->closeAllSubWindows();
        QVERIFY(!action("mnuFile_PrintCards")->isEnabled());
    }

    // A figure whose picture cannot be read opens, and its cards say so.
    void figureWithoutItsPictureSaysSoWhenPrinted()
    {
        // The shipped war wagon with its picture's width grown past the limit.
        const QString path = tempPath(QStringLiteral("figures/war_wagon.tvf"));
        std::string bytes = tarvello::ReadFileBytes(path.toStdString()).value();
        const std::size_t width = bytes.find("[ImageProperties]\r\nWidth=");
        QVERIFY(width != std::string::npos);
        bytes.insert(width + 25, "4200");
        QVERIFY(tarvello::WriteFileAtomically(path.toStdString(), bytes).ok());
        action("mnuFile_Figure_New")->trigger();
        m_dialogs.openFileAnswers.enqueue(path);
        active<frmFigure>()->OpenFigure();
        QCOMPARE(m_dialogs.messageTexts().size(), 1);
        m_dialogs.clearCalls();
        // The same from the figure editor and from its card window.
        for (const char *window : {"frmFigure", "frmUnitCard"}) {
            if (QLatin1String(window) == QLatin1String("frmUnitCard"))
                ClickButton(active<frmFigure>(), "btnCard");
            QCOMPARE(m_main->activeChild()->objectName(), QLatin1String(window));
            m_dialogs.clearCalls();
            QString info;
            printToPdf(QStringLiteral("wagon.pdf"), {false, 2, true}, info);
            QCOMPARE(m_dialogs.messageTexts(),
                     QStringList(QStringLiteral(
                         "2 cards previewed, 1 without its picture: War Wagon (It is "
                         "420048 \u00D7 64 pixels, more than a figure file holds "
                         "(4096 \u00D7 4096).)")));
        }
    }

private:
    // Prints through File, Print Cards into a PDF; its path and pdfinfo's text.
    QString printToPdf(const QString &name, IDialogs::CardSheetChoice choice, QString &info)
    {
        const QString pdf = tempPath(name);
        QPrinter *printer = m_main->printer();
        m_dialogs.printToFile = pdf;
        printer->setPageSize(QPageSize(QPageSize::A4));
        m_dialogs.cardSheetAnswers.enqueue(choice);
        m_dialogs.printerSetupAnswers.enqueue(true);
        action("mnuFile_PrintCards")->trigger();
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {pdf});
        info = process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()).simplified() : QString();
        return pdf;
    }
};

QTEST_MAIN(CardSheetTest)
#include "cardsheet_test.moc"
