#pragma once

#include "platform/failure.h"

#include <string>

// The printout of a rules table.
namespace tarvello {

class IPrinterPage;
class TableDocument;

// Prints the caption (20 points, bold) and then the captions row (bold) and
// every data row (10 points), 300 twips apart, first cell at 750 twips and
// the others from 3250 twips on, 1250 apart, at most kMaxShownColumns columns
// and each cell cut as ShownText cuts it; then ends the document. A
// failure abandons the job and gives "Error printing table!" with its
// description.
Status PrintTable(IPrinterPage &printer, const std::string &caption, const TableDocument &document);

} // namespace tarvello
