#pragma once

#include "cli/commandline.h"
#include "rules/rulestables.h"

#include <QString>
#include <QStringList>

#include <string>

namespace tarvello {

// Runs the options of args (the program's name left out) without a window
// and returns the exit status. Needs a QApplication (any platform).
int runCommandLine(const QStringList &args);

// What one command of a run shares: the request, the tables, the exit status
// and the messages on standard error.
struct CliRun
{
    const CliRequest &request;
    RulesTables tables;
    int status = kExitDone;

    // A file failed: its message, and exit status 1.
    void fail(const Failure &failure);
    // A notice (a missing choice, a picture not read): its message only.
    void note(const std::string &message);
};

// The commands, each in its own file.
void runExport(CliRun &run);
void runReportPdf(CliRun &run);
void runCardsPdf(CliRun &run);
void runCardImages(CliRun &run);
void runCheck(CliRun &run);
void runUpdateCosts(CliRun &run);
void runPack(CliRun &run);
void runUnpack(CliRun &run);

// Writes bytes to standard output as they are.
void writeOut(std::string_view bytes);

} // namespace tarvello
