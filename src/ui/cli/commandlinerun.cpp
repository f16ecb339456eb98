#include "commandlinerun.h"

#include "clidialogs.h"

#include "platform/modfunctions.h"
#include "platform/uitext.h"
#include "rules/modloaddata.h"
#include "shell/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvello {

namespace {

std::vector<std::string> argumentsOf(const QStringList &args)
{
    std::vector<std::string> result;
    result.reserve(std::size_t(args.size()));
    for (const QString &arg : args)
        result.push_back(toFilePath(arg));
    return result;
}

// The program's rules tables, or those of --tables; each table that cannot
// be read says so as at start-up, and the run goes on.
bool loadTables(CliRun &run)
{
    QString folder = fromFilePath(run.request.tables);
    if (folder.isEmpty()) {
        CliDialogs dialogs;
        const std::optional<QString> programFolder = startProgramFolder(dialogs);
        if (!programFolder) {
            run.status = kExitFindings;
            return false;
        }
        folder = *programFolder;
    }
    LoadAllTables(run.tables, toFilePath(folder), GetDecimalSeparator(),
                  [&run](const Failure &failure) { run.fail(failure); });
    return true;
}

} // namespace

void CliRun::fail(const Failure &failure)
{
    note(MessageLine(failure));
    status = kExitFindings;
}

void CliRun::note(const std::string &message)
{
    sayLine(fromMessageText(message));
}

void writeOut(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

namespace {

int runRequest(const QStringList &args)
{
    const Result<CliRequest> parsed = ParseCommandLine(argumentsOf(args));
    if (!parsed) {
        sayLine(fromMessageText(MessageLine(parsed.failure())));
        const std::string usage = CliUsage();
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        return kExitUsage;
    }
    const CliRequest &request = parsed.value();
    if (request.command == CliCommand::Help) {
        writeOut(CliUsage());
        return kExitDone;
    }
    if (request.command == CliCommand::Version) {
        writeOut(AppTitle() + "\n");
        return kExitDone;
    }
    CliRun run{request, {}};
    // An army pack holds files as they are: no rules tables needed.
    if (request.command == CliCommand::Pack || request.command == CliCommand::Unpack) {
        (request.command == CliCommand::Pack ? runPack : runUnpack)(run);
        return run.status;
    }
    if (!loadTables(run))
        return run.status;
    switch (request.command) {
    case CliCommand::Export: runExport(run); break;
    case CliCommand::Pdf: runReportPdf(run); break;
    case CliCommand::Cards: runCardsPdf(run); break;
    case CliCommand::CardImages: runCardImages(run); break;
    case CliCommand::Check: runCheck(run); break;
    case CliCommand::UpdateCosts: runUpdateCosts(run); break;
    case CliCommand::Open:
    case CliCommand::Pack:
    case CliCommand::Unpack:
    case CliCommand::Help:
    case CliCommand::Version: break;
    }
    return run.status;
}

} // namespace

int runCommandLine(const QStringList &args)
{
    const int status = runRequest(args);
    // Output that never reached standard output (a full disk, a closed
    // file) is a failure, not a command done.
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const int error = errno;
    sayLine(fromMessageText(
        MessageLine(Failure{"Error in writing standard output", std::strerror(error)})));
    return status == kExitDone ? kExitFindings : status;
}

} // namespace tarvello
