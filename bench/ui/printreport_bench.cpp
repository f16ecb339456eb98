// The figure report of a figure with 30 weapons and items: printed into a PDF
// and shown in the print preview, both through the window's printing routine.
#include "figure/figureprint.h"
#include "platform/qtdialogs.h"

#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

tarvello::FigureReportData ThirtyRows()
{
    tarvello::FigureReportData d;
    d.txtFigureName = "Captain of the Iron Hills";
    d.txtFinalCost = "1234";
    d.cboFigureType = {"Commander", 1};
    d.cboTrainingLevel = {"Elite", 2};
    d.cboCommandSkill = "Captain";
    d.cboRace = "Dwarf";
    d.cboArmorType = "Plate";
    d.cboMove = "Foot";
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i + 1);
        d.lvwMeleeWeaponsSelected.push_back({"Great Axe " + n, "8", "Two-handed"});
        d.lvwMissileWeaponsSelected.push_back({"Crossbow " + n, "6", "1", "8", "16", "5", "Slow"});
        d.lvwExtraItemsSelected.push_back(
            {"Banner of the Mountain Kings " + n, "25", "", "", "", "", "Morale +1"});
    }
    d.chkUseOptionalMovement = true;
    d.chkOptionalRangeCost = true;
    return d;
}

// Silent dialogs: the benchmark never fails, a message would only be counted.
class NoDialogs : public QtDialogs
{
public:
    Answer message(QWidget *, const QString &, const QString &, Buttons, Icon, const QString &) override
    {
        ++messages;
        return Answer::Ok;
    }
    int messages = 0;
};

// Arg 1: a name of 5 MB, as an army file can hold one; the page gets a
// bounded part of it (shaping the whole took seconds for every print).
void BM_FigureReportIntoPdf(benchmark::State &state)
{
    tarvello::FigureReportData data = ThirtyRows();
    if (state.range(0) == 1)
        data.txtFigureName.assign(5u << 20, 'N');
    QTemporaryDir dir;
    NoDialogs dialogs;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(dir.path()).filePath(QStringLiteral("report.pdf")));
    for (auto _ : state)
        printFigureReportOn(nullptr, dialogs, printer, data);
    if (dialogs.messages != 0)
        state.SkipWithError("the report failed");
}
BENCHMARK(BM_FigureReportIntoPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FigureReportPreviewOpens(benchmark::State &state)
{
    const tarvello::FigureReportData data = ThirtyRows();
    NoDialogs dialogs;
    QPrinter printer;
    int renders = 0;
    for (auto _ : state) {
        QPrintPreviewDialog preview(&printer);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&](QPrinter *target) {
                             ++renders;
                             printFigureReportOn(nullptr, dialogs, *target, data);
                         });
        preview.show();
        QApplication::processEvents();
        preview.close();
    }
    // Every opening must have drawn the report once.
    if (renders != static_cast<int>(state.iterations()))
        state.SkipWithError("the preview did not draw the report");
    if (dialogs.messages != 0)
        state.SkipWithError("the report failed");
}
BENCHMARK(BM_FigureReportPreviewOpens)->Unit(benchmark::kMillisecond);

} // namespace
