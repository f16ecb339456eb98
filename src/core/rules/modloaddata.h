#pragma once

#include "platform/failure.h"
#include "rulestables.h"
#include "tablecatalogue.h"

#include <functional>
#include <string>
#include <string_view>

// Reading the eleven rules table files (.skv) of the program folder, as the
// table catalogue describes them.
namespace tarvello {

// Receives each table's reading failure; the caller shows it with an OK
// button and the application's name as title.
using TableFailureSink = std::function<void(const Failure &failure)>;

// Replaces one table from programFolder/<its file>. On a failure it stops,
// keeps the rows read so far (the row being filled included) and returns the
// table's sentence with the description.
Status ReadTable(TableId table, RulesTables &tables, const std::string &programFolder);

// Reads one table from the bytes of its file (header line first), with the
// same semantics and failure as ReadTable; the fuzzer uses it.
Status ReadTableText(TableId table, RulesTables &tables, std::string_view content);

// Sets tables.DecimalSeparator to decimalSeparator, then reads the eleven
// tables in catalogue order; each failure goes to report and the next table
// goes on.
void LoadAllTables(RulesTables &tables, const std::string &programFolder,
                   const std::string &decimalSeparator, const TableFailureSink &report);

} // namespace tarvello
