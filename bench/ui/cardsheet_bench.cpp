// An army of six figures, fifteen units each: 90 unit cards (10 A4 pages)
// read from their figure files and printed into a PDF, as File, Print Cards
// does after its dialogs.
#include "card/cardsheetprint.h"
#include "card/qtcardtarget.h"
#include "rules/modloaddata.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

std::vector<tarvello::ArmyUnit> SixLinesOfFifteen(const std::string &folder)
{
    std::vector<tarvello::ArmyUnit> units;
    const QDir dir(QString::fromStdString(folder));
    for (const QString &name : dir.entryList({QStringLiteral("*.tvf")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromLatin1(file.readAll());
        const qsizetype at = text.indexOf(QStringLiteral("txtFigureName="));
        tarvello::ArmyUnit unit;
        unit.Count() = "15";
        unit.Size() = "1";
        unit.fields[2 + tarvello::kFigureName] =
            text.mid(at + 14, text.indexOf(QLatin1Char('\r'), at) - at - 14).toStdString();
        units.push_back(unit);
    }
    return units;
}

void BM_NinetyCardsIntoPdf(benchmark::State &state)
{
    tarvello::RulesTables tables;
    tarvello::LoadAllTables(tables, TARVELLO_SHIPPED_DATA_DIR, ".", [](const tarvello::Failure &) {});
    const std::string folder = TARVELLO_SHIPPED_DATA_DIR "/figures";
    const std::vector<tarvello::ArmyUnit> units = SixLinesOfFifteen(folder);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("cards.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    std::size_t cards = 0;
    for (auto _ : state) {
        const tarvello::CardSheetJob job = tarvello::BuildArmySheetJob(
            units, true, folder, tables, FontExists, cardDefaultFont());
        cards = job.order.size();
        if (!renderCardSheets(printer, job))
            state.SkipWithError("the PDF could not be written");
    }
    if (cards != 90 || !QFileInfo::exists(path))
        state.SkipWithError("the army did not give 90 cards");
    state.counters["cards"] = double(cards);
    state.counters["pdf_kB"] = double(QFileInfo(path).size()) / 1024.0;
}

} // namespace

BENCHMARK(BM_NinetyCardsIntoPdf)->Unit(benchmark::kMillisecond);
