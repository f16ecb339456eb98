// --export and --pdf: a figure's or an army's report, as File, Export and
// File, Print make it.

#include "clidocuments.h"
#include "clipdf.h"

#include "army/armyreport.h"
#include "figure/figurereport.h"
#include "platform/uitext.h"
#include "print/qtprinterpage.h"

#include <exception>

namespace tarvello {

namespace {

// The export text as the clipboard gets it, in the file encoding.
std::optional<std::string> exportText(CliRun &run, const std::string &path)
{
    const DocumentKind kind = cliDocumentKind(run, path);
    if (kind == DocumentKind::Figure) {
        const std::unique_ptr<FigureModel> figure = openCliFigure(run, path);
        if (!figure)
            return std::nullopt;
        try {
            return FigureExportText(FigureReportFrom(figure->Record()));
        } catch (const std::exception &error) {
            run.fail({kFigureExportFailure, error.what()});
            return std::nullopt;
        }
    }
    if (kind != DocumentKind::Army)
        return std::nullopt;
    const std::unique_ptr<ArmyModel> army = openCliArmy(run, path);
    if (!army)
        return std::nullopt;
    const Result<std::string> text = army->ExportText();
    if (!text) {
        run.fail(text.failure());
        return std::nullopt;
    }
    return text.value();
}

} // namespace

void runExport(CliRun &run)
{
    const std::optional<std::string> text = exportText(run, run.request.operands.front());
    if (!text)
        return;
    // Standard output gets the clipboard's text as UTF-8, a file the
    // program's own encoding.
    if (run.request.output.empty())
        writeOut(fromFileText(*text).toUtf8().toStdString());
    else
        writeOutput(run, run.request.output, *text);
}

void runReportPdf(CliRun &run)
{
    const std::string &path = run.request.operands.front();
    const DocumentKind kind = cliDocumentKind(run, path);
    if (kind == DocumentKind::Figure) {
        const std::unique_ptr<FigureModel> figure = openCliFigure(run, path);
        if (!figure)
            return;
        printPdf(run, fromFileText(figure->Record().txtFigureName), [&](QPrinter &printer) {
            QtPrinterPage page(printer);
            const Status printed = PrintFigureReport(page, FigureReportFrom(figure->Record()));
            if (!printed)
                run.fail(printed.failure());
            return printed.ok();
        });
    } else if (kind == DocumentKind::Army) {
        const std::unique_ptr<ArmyModel> army = openCliArmy(run, path);
        if (!army)
            return;
        printPdf(run, fromFileText(army->ArmyName()), [&](QPrinter &printer) {
            QtPrinterPage page(printer);
            const Status printed = PrintArmyReport(page, army->ReportData(), army->DecimalMark());
            if (!printed)
                run.fail(printed.failure());
            return printed.ok();
        });
    }
}

} // namespace tarvello
