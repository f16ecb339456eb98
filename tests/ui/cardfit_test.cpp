// The printed cards of the six sample figures and two crowded ones (names of
// 34 characters, a battle mage with fourteen data lines and two attacks) on
// a card sheet PDF:
// with the real fonts every word lies inside its card's inner frame, no two
// words overprint, none lies under the logo, and each attack shows its ten
// roll columns.

#include "card/cardsheetprint.h"
#include "card/qtcardtarget.h"
#include "windowtest.h"

#include "platform/fileio.h"
#include "platform/uitext.h"
#include "rules/modloaddata.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace tarvello;

namespace {

struct Word
{
    QRectF box; // points
    QString text;
};

// The words of a PDF page as pdftotext -bbox finds them.
QList<Word> PdfWords(const QString &pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished();
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      m.captured(5)});
    }
    return words;
}

QRectF Points(const CardBox &box, QPointF origin)
{
    return QRectF(origin + QPointF(box.left, box.top) / 20, origin + QPointF(box.right, box.bottom) / 20);
}

} // namespace

class CardFitTest : public QObject, public WindowTest
{
    Q_OBJECT

private slots:
    void sampleCardsFitOnTheSheet()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        tarvello::RulesTables tables;
        LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const Failure &) {});
        resetContext(tables);
        const QDir samples(QStringLiteral(TARVELLO_SHIPPED_DATA_DIR "/figures"));
        QStringList files;
        for (const QString &name : samples.entryList({QStringLiteral("*.tvf")}, QDir::Files))
            files << samples.filePath(name);
        // Crowded variants: the knight with a name of 34 characters; the mage
        // renamed so too, with a command line and a two-line armour: fourteen
        // data lines above two attacks.
        const std::vector<std::pair<const char *, QStringList>> variants = {
            {"knight_hero.tvf", {QStringLiteral("txtFigureName=Sir Aldric of the Northern Marches")}},
            {"battle_mage.tvf", {QStringLiteral("txtFigureName=Archmage Ilsabet of the Grey Tower"),
                                 QStringLiteral("cboCommandSkill=General"),
                                 QStringLiteral("cboArmorType=Armoured Hull")}}};
        for (const auto &[file, values] : variants) {
            QFile sample(samples.filePath(QString::fromLatin1(file)));
            QVERIFY(sample.open(QIODevice::ReadOnly));
            QString text = QString::fromLatin1(sample.readAll());
            for (const QString &value : values) {
                const QString key = value.section(QLatin1Char('='), 0, 0);
                text.replace(QRegularExpression(QStringLiteral("\n") + key + QStringLiteral("=[^\r]*")),
                             QStringLiteral("\n") + value);
            }
            const QString path = tempPath(QStringLiteral("crowded_") + QString::fromLatin1(file));
            const QByteArray bytes = text.toLatin1();
            QVERIFY(WriteFileAtomically(toFilePath(path), std::string_view(bytes.constData(), std::size_t(bytes.size()))).ok());
            files << path;
        }

        CardSheetJob job;
        for (const QString &file : files) {
            Result<SheetCard> card = LoadSheetCard(toFilePath(file), tables, FontExists, cardDefaultFont());
            QVERIFY2(card.ok(), qPrintable(file));
            job.order.push_back(job.cards.size());
            job.cards.push_back(std::move(card.value()));
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = tempPath(QStringLiteral("samples.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(renderCardSheets(printer, job));

        const SheetArea area = sheetAreaOf(printer);
        const CardSheetLayout layout = LayoutCardSheet(area);
        const QList<Word> words = PdfWords(pdf);
        QVERIFY(words.size() > 100);
        const double tolerance = 0.25; // points
        for (int w = 0; w < words.size(); ++w) {
            const Word &word = words[w];
            const QRectF inner = word.box.adjusted(tolerance, tolerance, -tolerance, -tolerance);
            bool placed = false;
            for (std::size_t c = 0; c < job.cards.size(); ++c) {
                const CardRect &place = layout.places[c];
                const QPointF origin = QPointF(area.left + place.Left, area.top + place.Top) / 20;
                const QRectF room = Points(InnerRoom(1440.0 / printer.resolution()), origin);
                if (!room.intersects(inner))
                    continue;
                placed = room.contains(inner);
                QVERIFY2(placed, qPrintable(word.text));
                QVERIFY2(!Points(LogoBox(), origin).intersects(inner), qPrintable(word.text));
            }
            QVERIFY2(placed, qPrintable(word.text));
            for (int other = w + 1; other < words.size(); ++other)
                QVERIFY2(!words[other].box.intersects(inner),
                         qPrintable(word.text + QStringLiteral(" / ") + words[other].text));
        }
        // Every attack shows its tenth column.
        int tenths = 0, attacks = 0;
        for (const Word &word : words)
            tenths += word.text == QStringLiteral("10");
        for (const SheetCard &card : job.cards)
            attacks += int(std::min<std::size_t>(2, card.card.figure().Attacks.size()));
        QVERIFY2(tenths >= attacks, qPrintable(QString::number(tenths)));
    }
};

QTEST_MAIN(CardFitTest)
#include "cardfit_test.moc"
