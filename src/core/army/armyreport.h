#pragma once

#include "armyunit.h"
#include "platform/failure.h"

#include <string>
#include <vector>

// The army report: the same items printed at fixed positions or written as
// text with tabs and line breaks.
namespace tarvello {

class IPrinterPage;

// What the report shows: the army name, the total as shown, the unit lines.
struct ArmyReportData
{
    std::string name;
    std::string total;
    std::vector<ArmyUnit> units;
};

// The report as text: "name (total pts)", then a block per unit; CR LF line
// ends, no final line end. Fails (with the conversion's description) when a
// unit's figure cost, size or count is not a number in the locale of
// decimalMark, so that its costs cannot be formed.
Result<std::string> ArmyExportText(const ArmyReportData &data, char decimalMark);

// Prints the report on printer from Y = 300 and ends the document. On a
// failure (a cost that cannot be formed, a printer failure) it stops there,
// abandons the document and returns the failure.
Status PrintArmyReport(IPrinterPage &printer, const ArmyReportData &data, char decimalMark);

} // namespace tarvello
