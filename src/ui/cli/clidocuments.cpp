#include "clidocuments.h"

#include "platform/documentkinds.h"
#include "platform/notopenedtext.h"
#include "platform/fileio.h"
#include "platform/modfunctions.h"

namespace tarvello {

std::unique_ptr<FigureModel> openCliFigure(CliRun &run, const std::string &path)
{
    auto figure = std::make_unique<FigureModel>(run.tables);
    (void)figure->Initialize();
    bool stopped = false;
    for (const Failure &notice : figure->Open(path)) {
        if (notice.StoppedLoading()) {
            run.fail(notice);
            stopped = true;
        } else {
            run.note(MessageLine(notice));
        }
    }
    if (stopped)
        return nullptr;
    return figure;
}

std::unique_ptr<ArmyModel> openCliArmy(CliRun &run, const std::string &path)
{
    auto army = std::make_unique<ArmyModel>(std::string(), GetDecimalSeparator().front());
    if (const Status opened = army->Open(path); !opened) {
        run.fail(opened.failure());
        return nullptr;
    }
    for (const std::string &notice : {army->PointsLimitNotice(), army->NegativeValuesNotice()}) {
        if (!notice.empty())
            run.note(notice);
    }
    return army;
}

DocumentKind cliDocumentKind(CliRun &run, const std::string &path)
{
    const DocumentKind kind = DocumentKindOf(path);
    if (kind == DocumentKind::Figure || kind == DocumentKind::Army)
        return kind;
    run.fail({NotOpenedText(path), ""});
    return DocumentKind::Unknown;
}

bool writeOutput(CliRun &run, const std::string &path, std::string_view bytes)
{
    if (path.empty()) {
        writeOut(bytes);
        return true;
    }
    const Status written = WriteFileAtomically(path, bytes);
    if (!written)
        run.fail(written.failure());
    return written.ok();
}

} // namespace tarvello
