#include "tableedits.h"

#include "tabledocument.h"

#include <algorithm>

namespace tarvello {

std::string CopyText(const TableDocument &document, std::size_t top, std::size_t bottom)
{
    std::string text;
    if (document.RowCount() == 0)
        return text;
    bottom = std::min(bottom, document.RowCount() - 1);
    for (std::size_t row = top; row <= bottom; ++row) {
        if (row > top)
            text += "\r\n";
        text += document.Cell(row, 0);
        text += '\t';
        text += document.Cell(row, 1);
    }
    return text;
}

std::size_t DeleteRows(TableDocument &document, std::size_t top, std::size_t bottom,
                       std::size_t current)
{
    if (document.RowCount() == 0)
        return 0;
    bottom = std::min(bottom, document.RowCount() - 1);
    if (top > bottom)
        return std::min(current, document.RowCount() - 1);
    // The last row is emptied, never removed; the others go in one splice.
    std::size_t removeEnd = bottom + 1;
    if (bottom + 1 == document.RowCount()) {
        document.SetCell(bottom, 0, std::string());
        document.SetCell(bottom, 1, std::string());
        removeEnd = bottom;
    }
    document.RemoveRows(top, removeEnd - top);
    return std::min(current, document.RowCount() - 1);
}

std::vector<std::vector<std::string>> SplitPastedText(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> fields(1);
    std::size_t lineLength = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            rows.push_back(std::move(fields));
            fields.assign(1, std::string());
            lineLength = 0;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            continue;
        }
        ++lineLength;
        if (c == '\t' || c == ';')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    }
    if (lineLength >= 2)
        rows.push_back(std::move(fields));
    return rows;
}

void PasteRows(TableDocument &document, std::size_t at, std::vector<std::vector<std::string>> rows)
{
    document.InsertRows(std::min(at, document.RowCount()), std::move(rows));
}

} // namespace tarvello
