#include "tableedit/tabledocument.h"
#include "tableedit/tableedits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The bytes are a table file and, from the same bytes, a pasted text. Checks
// what must hold whatever they are: an unchanged table writes back its bytes,
// every row has one cell per column, pasted fields hold no separator, and a
// changed table reads back as the rows it showed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    tarvello::TableDocument document = tarvello::TableDocument::FromBytes(bytes);
    if (document.ToBytes() != bytes || document.ColumnCount() == 0)
        __builtin_trap();

    auto rows = tarvello::SplitPastedText(bytes);
    for (const auto &row : rows) {
        for (const std::string &field : row) {
            if (field.find_first_of(";\t\r\n") != std::string::npos)
                __builtin_trap();
        }
    }
    const std::size_t before = document.RowCount();
    const std::size_t pasted = rows.size();
    tarvello::PasteRows(document, before / 2, std::move(rows));
    if (document.RowCount() != before + pasted)
        __builtin_trap();
    if (document.RowCount() > 0) {
        const std::size_t last = document.RowCount() - 1;
        (void)tarvello::CopyText(document, 0, last);
        (void)tarvello::DeleteRows(document, last / 2, last, last);
    }

    const tarvello::TableDocument back = tarvello::TableDocument::FromBytes(document.ToBytes());
    if (back.RowCount() != document.RowCount() || back.Captions() != document.Captions())
        __builtin_trap();
    // The first columns of every row: a header of thousands of fields over
    // short lines must not make the check itself rows x width.
    const std::size_t columns = std::min<std::size_t>(back.ColumnCount(), 16);
    for (std::size_t r = 0; r < back.RowCount(); ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            if (back.Cell(r, c) != document.Cell(r, c))
                __builtin_trap();
        }
    }
    return 0;
}
