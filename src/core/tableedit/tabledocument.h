#pragma once

#include "platform/failure.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A rules table as the table editor holds it: the captions of the header line
// and the data rows, every cell Windows-1252 bytes without ";", in file order.
//
// Rows are kept as they were read, with only the fields their line has, and
// are padded to the captions' width only when shown and written: a wide
// header over short lines costs the header's size, not rows x width. Rows are
// shared, copy-on-write, between copies of a document in blocks of
// kRowsPerBlock, so an undo step keeps only the blocks it changed, and pasting
// or deleting many rows is one splice.
namespace tarvello {

// The widest table: a header line of more fields keeps the rest as text,
// written back as read, and the fields of a row beyond the columns are kept
// until the row changes (as fields beyond the captions always are).
inline constexpr std::size_t kMaxShownColumns = 1000;

class TableDocument
{
public:
    // Rows per shared block.
    static constexpr std::size_t kRowsPerBlock = 256;

    // An empty document: no columns, no rows.
    TableDocument();

    // The document of a table file's bytes: the first line's ";"-separated
    // fields are the captions (at most kMaxShownColumns of them); every further line, empty lines included, is a
    // row whose fields fill its cells from the left (fields beyond the
    // captions are not shown). Lines end at CR LF, a lone CR or a lone LF.
    static TableDocument FromBytes(std::string bytes);

    std::size_t ColumnCount() const { return m_header->captions.size(); }
    std::size_t RowCount() const { return m_rowCount; }
    const std::vector<std::string> &Captions() const { return m_header->captions; }
    // The cell of data row row (0 is the first line after the header); empty
    // where the row's line has no such field.
    const std::string &Cell(std::size_t row, std::size_t column) const;

    // Replaces a cell's text; false (and nothing changes) when the text is
    // the same or the cell does not exist.
    bool SetCell(std::size_t row, std::size_t column, std::string text);
    // Inserts a row at index at (0..RowCount()), its cells filled from the
    // left by fields; fields beyond the columns are dropped.
    void InsertRow(std::size_t at, std::vector<std::string> fields);
    // Inserts rows in their order from index at on, in one splice.
    void InsertRows(std::size_t at, std::vector<std::vector<std::string>> rows);
    void RemoveRow(std::size_t at) { RemoveRows(at, 1); }
    // Removes count rows from first on (as far as there are), in one splice.
    void RemoveRows(std::size_t first, std::size_t count);

    // The file text: every row from the captions on, cells joined by ";",
    // each line ended by CR LF; a changed row of n columns has n - 1
    // separators, and one of empty cells gives an empty line. A document not
    // changed since it was read gives back the bytes it was read from, and a
    // row not changed keeps the line it was read from, so fields hidden
    // beyond the captions survive a save. A changed row also keeps its
    // fields beyond the shown columns that lie under the header's captions.
    std::string ToBytes() const;

    // True while nothing has changed since the document was read.
    bool Pristine() const { return m_pristine; }

    // Documents are equal when they hold the same cells and would be saved
    // as the same bytes. Blocks and rows that two copies share compare
    // without looking at their cells.
    bool operator==(const TableDocument &other) const;

private:
    struct Header
    {
        std::vector<std::string> captions;
        // The header line from its first field beyond kMaxShownColumns on.
        std::string hidden;

        bool operator==(const Header &other) const = default;
    };
    struct Row
    {
        // The fields of the line, at most one per column.
        std::vector<std::string> cells;
        // The line's text from its first hidden field on (";" included).
        // A changed row keeps the part under the header's hidden captions.
        std::string hidden;
        // Written as read (its fields alone) until it changes.
        bool asRead = true;

        bool operator==(const Row &other) const = default;
    };
    using RowPtr = std::shared_ptr<const Row>;
    using Block = std::vector<RowPtr>;
    using BlockPtr = std::shared_ptr<const Block>;

    Row MakeRow(std::string_view line) const;
    RowPtr MakeInserted(std::vector<std::string> fields) const;
    const Row &RowAt(std::size_t row) const;
    // The block holding row and the row's place in it.
    std::pair<std::size_t, std::size_t> Locate(std::size_t row) const;
    // Replaces blocks [first, last) by rows cut into blocks.
    void ReplaceBlocks(std::size_t first, std::size_t last, Block rows);
    void Changed();
    void AppendRow(std::string &out, const Row &row) const;

    std::shared_ptr<const Header> m_header;
    std::vector<BlockPtr> m_blocks;
    // The index of each block's first row.
    std::vector<std::size_t> m_starts;
    std::size_t m_rowCount = 0;
    // The bytes read, while the document is pristine.
    std::shared_ptr<const std::string> m_bytes;
    bool m_pristine = true;
};

// Reads a table file. A file that cannot be read, or is empty, gives the
// failure "Errors in table " + path with the reason as description.
Result<TableDocument> ReadTableDocument(const std::string &path);

// Writes the document whole to path (atomically). A failure gives the
// sentence "Error in savin resource file " + path and its description.
Status WriteTableDocument(const TableDocument &document, const std::string &path);

} // namespace tarvello
