#pragma once

#include "figure/figurereport.h"

class QPrinter;
class QWidget;

namespace tarvello {

class IDialogs;

// The figure editor's report: read from what the editor shows, printed on a
// printer or put on the clipboard, failures and the notice in message boxes
// titled with the application's title.

// Prints the report on printer; a failure is shown with an exclamation icon.
void printFigureReportOn(QWidget *parent, IDialogs &dialogs, QPrinter &printer,
                         const FigureReportData &data);

// Puts the export text on the clipboard and confirms it.
void exportFigureReport(QWidget *parent, IDialogs &dialogs,
                        const FigureReportData &data);

} // namespace tarvello
