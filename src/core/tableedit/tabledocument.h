#pragma once

#include "platform/failure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A rules table as the table editor holds it: the captions of the header line
// and the data rows, every cell Windows-1252 bytes without ";", in file order.
namespace tarvello {

class TableDocument
{
public:
    // An empty document: no columns, no rows.
    TableDocument() = default;

    // The document of a table file's bytes: the first line's ";"-separated
    // fields are the captions; every further line, empty lines included, is a
    // row whose fields fill its cells from the left (fields beyond the
    // captions are not shown). Lines end at CR LF, a lone CR or a lone LF.
    static TableDocument FromBytes(std::string bytes);

    std::size_t ColumnCount() const { return m_captions.size(); }
    std::size_t RowCount() const { return m_rows.size(); }
    const std::vector<std::string> &Captions() const { return m_captions; }
    // The cell of data row row (0 is the first line after the header).
    const std::string &Cell(std::size_t row, std::size_t column) const;

    // Replaces a cell's text; false (and nothing changes) when the text is
    // the same or the cell does not exist.
    bool SetCell(std::size_t row, std::size_t column, std::string text);
    // Inserts a row at index at (0..RowCount()), its cells filled from the
    // left by fields; fields beyond the columns are dropped.
    void InsertRow(std::size_t at, std::vector<std::string> fields);
    void RemoveRow(std::size_t at);

    // The file text: every row from the captions on, cells joined by ";",
    // each line ended by CR LF; a row of empty cells gives an empty line. A
    // document not changed since it was read gives back the bytes it was read
    // from, and a row not changed keeps the line it was read from, so fields
    // hidden beyond the captions survive a save.
    std::string ToBytes() const;

    // True while nothing has changed since the document was read.
    bool Pristine() const { return m_pristine; }

    // Documents are equal when they hold the same cells and would be saved
    // as the same bytes.
    bool operator==(const TableDocument &other) const = default;

private:
    struct Row
    {
        std::vector<std::string> cells;
        // The line the row was read from, kept only when writing the cells
        // would not give it back (a line with fewer or more fields).
        std::string original;
        bool keepOriginal = false;

        bool operator==(const Row &other) const = default;
    };

    static void AppendJoined(std::string &out, const std::vector<std::string> &cells);
    Row MakeRow(std::string_view line) const;

    std::vector<std::string> m_captions;
    std::vector<Row> m_rows;
    std::string m_bytes;
    bool m_pristine = true;
};

// Reads a table file. A file that cannot be read, or is empty, gives the
// failure "Errors in table " + path with the reason as description.
Result<TableDocument> ReadTableDocument(const std::string &path);

// Writes the document whole to path (atomically). A failure gives the
// sentence "Error in savin resource file " + path and its description.
Status WriteTableDocument(const TableDocument &document, const std::string &path);

} // namespace tarvello
