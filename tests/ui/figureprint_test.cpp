// The figure report from the main window: File, Print into a PDF through the
// printer dialog, File, Print Preview, and File, Export to the clipboard.

#include "figure/frmfigure.h"
#include "print/qtprinterpage.h"
#include "windowtest.h"

#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QProcess>
#include <QRegularExpression>

#include <climits>
#include <exception>

using namespace tarvello;

namespace {

// A printer whose job begins writing its file and then cannot start page two.
class PageTwoFails : public QPaintEngine, public QPrintEngine
{
public:
    explicit PageTwoFails(const QString &path) : m_path(path) {}

    bool begin(QPaintDevice *) override
    {
        QFile file(m_path);
        m_state = file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0
                      ? QPrinter::Active : QPrinter::Error;
        return m_state == QPrinter::Active;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    void drawPath(const QPainterPath &) override {}
    Type type() const override { return QPaintEngine::User; }

    void setProperty(PrintEnginePropertyKey, const QVariant &) override {}
    QVariant property(PrintEnginePropertyKey key) const override
    {
        return key == PPK_OutputFileName ? QVariant(m_path) : QVariant();
    }
    bool newPage() override { return false; }
    bool abort() override
    {
        m_state = QPrinter::Aborted;
        return true;
    }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case QPaintDevice::PdmWidth: return 595;
        case QPaintDevice::PdmHeight: return 842;
        case QPaintDevice::PdmWidthMM: return 210;
        case QPaintDevice::PdmHeightMM: return 297;
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default: return 72;
        }
    }
    QPrinter::PrinterState printerState() const override { return m_state; }

private:
    QString m_path;
    QPrinter::PrinterState m_state = QPrinter::Idle;
};

class PrinterOn : public QPrinter
{
public:
    explicit PrinterOn(PageTwoFails &engine) { setEngines(&engine, &engine); }
};

} // namespace

class FigurePrintTest : public QObject, public WindowTest
{
    Q_OBJECT

private slots:
    void init() { startMain(); }
    void cleanup() { stopMain(); }
    void printWritesTheReportIntoAPdfAcrossPages()
    {
        const frmFigure *figure = newFigure(70);
        const QString path = printToPdf(QStringLiteral("scout.pdf"));
        m_dialogs.printerSetupAnswers.enqueue(true);
        trigger("mnuFile_Print");

        QCOMPARE(m_dialogs.callsOf(Kind::PrinterSetup).at(0).parent, m_main);
        QCOMPARE(m_dialogs.count(Kind::Message), 0);
        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 2);
        // The report's lines in order; the weapon rows go on on page two.
        const QStringList lines = {"Scout \u00e9", "(" + TextOf(figure, "txtFinalCost") + " pts)",
                                   "Type : Normal", "Melee Weapons", "Sword", "Edged", "Axe"};
        qsizetype at = 0;
        for (const QString &line : lines)
            QVERIFY2((at = pages.at(0).indexOf(line, at)) >= 0, qPrintable(line));
        const auto rows = [](const QString &page) { return page.count("Sword") + page.count("Axe"); };
        QVERIFY(rows(pages.at(1)) > 0 && !pages.at(1).contains("Melee Weapons"));
        QCOMPARE(rows(pages.at(0)) + rows(pages.at(1)), 70);

        // Twips become points: "Race" stands 2500 twips (125 pt) right of "Type",
        // the attribute rows 300 twips (15 pt) apart.
        const QString boxes = pdfPages(path, "-bbox").join(QString());
        const auto corner = [&boxes](const char *word) {
            const QRegularExpressionMatch m = QRegularExpression(
                QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>%1<").arg(word)).match(boxes);
            return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
        };
        QVERIFY(qAbs((corner("Race") - corner("Type")).x() - 125) < 0.1);
        QVERIFY(qAbs((corner("Armor") - corner("Type")).y() - 15) < 0.1);
        // The first line's top stands 300 twips (15 pt) below the printable
        // area's top: its text hangs from that line, not above it.
        const double areaTop = m_main->printer()->pageLayout().paintRectPoints().top();
        QVERIFY(qAbs(corner("Scout").y() - (areaTop + 15)) < 1.5);
    }

    void cancelledSetupPrintsNothingAndAFailingPrinterIsReported()
    {
        newFigure(1);
        const QString path = printToPdf(QStringLiteral("never.pdf"));
        m_dialogs.printerSetupAnswers.enqueue(false);
        m_dialogs.printerSetupAnswers.enqueue(true);
        trigger("mnuFile_Print");
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(m_dialogs.count(Kind::Message), 0);

        printToPdf(QStringLiteral("no/such/folder/scout.pdf"));
        trigger("mnuFile_Print");
        const ScriptedDialogs::Call box = m_dialogs.callsOf(Kind::Message).at(0);
        QCOMPARE(box.title, QStringLiteral("Tarvello 1.0.0"));
        QCOMPARE(box.text, QStringLiteral("Error in printing Unit Card!\r\nPrinter error"));
        QCOMPARE(box.icon, IDialogs::Icon::Exclamation);

        // A job abandoned before its end leaves no file behind.
        QtPrinterPage page(*m_main->printer());
        m_main->printer()->setOutputFileName(path);
        page.Print("half a report");
        page.KillDoc();
        QVERIFY(!QFileInfo::exists(path));

        // A job that fails after its file was begun leaves no partial file.
        PageTwoFails engine(path);
        PrinterOn failing(engine);
        QtPrinterPage twoPages(failing);
        twoPages.Print("page one");
        twoPages.NewPage();
        twoPages.Print("page two");
        bool failed = false;
        try {
            twoPages.EndDoc();
        } catch (const std::exception &) {
            failed = true;
            QVERIFY(QFileInfo::exists(path));
            twoPages.KillDoc();
        }
        QVERIFY(failed);
        QVERIFY(!QFileInfo::exists(path));
    }

    void previewDrawsTheReportWithoutThePrinterSetup()
    {
        trigger("mnuFile_PrintPreview"); // no window: nothing to preview
        QCOMPARE(m_dialogs.count(Kind::PrintPreview), 0);
        newFigure(1);
        const QString path = printToPdf(QStringLiteral("preview.pdf"));
        trigger("mnuFile_PrintPreview");

        QCOMPARE(m_dialogs.callsOf(Kind::PrintPreview).at(0).printer, m_main->printer());
        QCOMPARE(m_dialogs.count(Kind::PrinterSetup), 0);
        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.at(0).contains("Scout \u00e9") && pages.at(0).contains("Edged"));
    }

    void exportPutsTheTextOnTheClipboardAndConfirms()
    {
        frmFigure *figure = newFigure(1);
        Choose(figure, "cboCommandSkill", 1);
        trigger("mnuFile_Export");

        // The report's text is the core's; here: the figure as the window shows it
        // (the captain's 10 points make 18) reaches the clipboard.
        QVERIFY(QApplication::clipboard()->text().startsWith("Scout \u00e9 (18 pts)\r\nType : Normal\t"));
        const ScriptedDialogs::Call box = m_dialogs.callsOf(Kind::Message).at(0);
        QCOMPARE(box.text, QStringLiteral("Figure data has been exported to the clipboard."));
        QCOMPARE(box.icon, IDialogs::Icon::Information);
    }

private:
    void trigger(const char *name) { action(name)->trigger(); }
    // A figure editor on the default figure, with Sword and Axe added in turn.
    frmFigure *newFigure(int meleeRows)
    {
        trigger("mnuFile_Figure_New");
        auto *figure = active<frmFigure>();
        auto *name = Named<QLineEdit>(figure, "txtFigureName");
        name->setText(QStringLiteral("Scout \u00e9"));
        emit name->textEdited(name->text());
        auto *available = Named<QTreeWidget>(figure, "lvwMeleeWeapons");
        for (int i = 0; i < meleeRows; ++i) {
            available->setCurrentItem(available->topLevelItem(i % 2));
            ClickButton(figure, "btnAddMeleeWeapon");
        }
        return figure;
    }

    // Points the printer at a PDF file; returns the path.
    QString printToPdf(const QString &name)
    {
        const QString pdf = tempPath(name);
        m_dialogs.printToFile = pdf;
        return pdf;
    }

    // The PDF's pages as pdftotext reads them.
    static QStringList pdfPages(const QString &path, const char *option = "-layout")
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QLatin1String(option), path, QStringLiteral("-")});
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    }
};

QTEST_MAIN(FigurePrintTest)
#include "figureprint_test.moc"
