#pragma once

#include "commandlinerun.h"

#include <QString>

#include <functional>

class QPrinter;

namespace tarvello {

// Prints to the PDF file of the run's output as File, Print to a PDF does:
// the program's printer at its resolution on the printer's default paper
// (or --paper), the document named name. draw prints the pages and answers
// whether it succeeded; only then is the file written, whole.
void printPdf(CliRun &run, const QString &name, const std::function<bool(QPrinter &)> &draw);

} // namespace tarvello
