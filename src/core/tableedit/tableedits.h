#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The row commands of the table editor: copy, cut, paste, delete and insert,
// on data rows (0 is the first row below the captions).
namespace tarvello {

class TableDocument;

// The clipboard text of rows top..bottom: per row its first cell, a tab and
// its second cell; lines joined by CR LF, without one at the end.
std::string CopyText(const TableDocument &document, std::size_t top, std::size_t bottom);

// Deletes rows bottom..top, going up: a row that is the document's last row
// is not removed but has its first two cells emptied. Returns the row the
// current cell should stand on afterwards (current, or the last row when the
// table has become shorter).
std::size_t DeleteRows(TableDocument &document, std::size_t top, std::size_t bottom,
                       std::size_t current);

// Cuts pasted text into rows of fields. CR LF, a lone CR and a lone LF end a
// line; every ended line is a row; a remainder after the last line end is a
// row only when it has at least 2 characters. Fields are separated by tabs,
// and by ";" too, since a cell cannot hold one.
std::vector<std::vector<std::string>> SplitPastedText(std::string_view text);

// Inserts rows (as SplitPastedText gives them) in their order from row at on,
// pushing the rows standing there down.
void PasteRows(TableDocument &document, std::size_t at, std::vector<std::vector<std::string>> rows);

} // namespace tarvello
