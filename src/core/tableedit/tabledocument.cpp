#include "tabledocument.h"

#include "platform/messagetexts.h"

#include "platform/fileio.h"

#include <algorithm>
#include <cstring>

namespace tarvello {

namespace {

const std::string kEmptyCell;

// Splits at every ";" into at most limit fields; an empty text is one empty
// field. hidden gets the text from the separator before the first field
// beyond the limit on.
std::vector<std::string> SplitFields(std::string_view line, std::size_t limit, std::string &hidden)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        if (fields.size() == limit) {
            hidden.assign(line.substr(start - 1));
            return fields;
        }
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
}

// Calls fn with every line of text: lines end at CR LF, a lone CR or a lone
// LF, as the rules table loader reads them; a final line end adds no line.
template<typename Fn>
void EachLine(std::string_view text, Fn &&fn)
{
    const char *start = text.data();
    const char *const end = start + text.size();
    const char *lf = nullptr;
    while (start < end) {
        if (!lf || lf < start) {
            lf = static_cast<const char *>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
            if (!lf)
                lf = end;
        }
        const char *cr = static_cast<const char *>(std::memchr(start, '\r', static_cast<std::size_t>(lf - start)));
        const char *stop = cr ? cr : lf;
        fn(std::string_view(start, static_cast<std::size_t>(stop - start)));
        start = stop + 1;
        if (cr && start == lf && lf != end)
            ++start;
    }
}

// The part of a row's hidden text (";" and the fields beyond the shown
// columns) that lies under the header's hidden captions: a header of n
// hidden fields keeps the row's first n hidden fields.
std::string KeptUnderHeader(const std::string &rowHidden, const std::string &headerHidden)
{
    const auto fields = static_cast<std::size_t>(std::count(headerHidden.begin(), headerHidden.end(), ';'));
    std::size_t cut = 0;
    for (std::size_t f = 0; f < fields; ++f) {
        cut = rowHidden.find(';', cut + 1);
        if (cut == std::string::npos)
            return rowHidden;
    }
    return rowHidden.substr(0, cut);
}

bool AllEmpty(const std::vector<std::string> &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string &c) { return c.empty(); });
}

void AppendJoined(std::string &out, const std::vector<std::string> &cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out.push_back(';');
        out += cells[c];
    }
}

} // namespace

TableDocument::TableDocument()
    : m_header(std::make_shared<const Header>())
    , m_bytes(std::make_shared<const std::string>())
{}

TableDocument::Row TableDocument::MakeRow(std::string_view line) const
{
    Row row;
    std::size_t start = 0;
    bool more = true;
    while (more && row.cells.size() < ColumnCount()) {
        const std::size_t end = line.find(';', start);
        more = end != std::string_view::npos;
        row.cells.emplace_back(line.substr(start, more ? end - start : std::string_view::npos));
        start = end + 1;
    }
    if (more)
        row.hidden.assign(line.substr(start - 1));
    return row;
}

TableDocument::RowPtr TableDocument::MakeInserted(std::vector<std::string> fields) const
{
    if (fields.size() > ColumnCount())
        fields.resize(ColumnCount());
    Row row;
    row.cells = std::move(fields);
    row.asRead = false;
    return std::make_shared<const Row>(std::move(row));
}

TableDocument TableDocument::FromBytes(std::string bytes)
{
    TableDocument document;
    bool header = true;
    Block rows;
    EachLine(bytes, [&document, &header, &rows](std::string_view line) {
        if (header) {
            Header read;
            read.captions = SplitFields(line, kMaxShownColumns, read.hidden);
            document.m_header = std::make_shared<const Header>(std::move(read));
            header = false;
        } else {
            rows.push_back(std::make_shared<const Row>(document.MakeRow(line)));
        }
    });
    if (header)
        document.m_header = std::make_shared<const Header>(Header{{std::string()}, {}});
    document.ReplaceBlocks(0, 0, std::move(rows));
    document.m_bytes = std::make_shared<const std::string>(std::move(bytes));
    document.m_pristine = true;
    return document;
}

std::pair<std::size_t, std::size_t> TableDocument::Locate(std::size_t row) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), row);
    const std::size_t block = static_cast<std::size_t>(after - m_starts.begin()) - 1;
    return {block, row - m_starts[block]};
}

const TableDocument::Row &TableDocument::RowAt(std::size_t row) const
{
    const auto [block, place] = Locate(row);
    return *(*m_blocks[block])[place];
}

// The rows are cut into blocks of equal size, none larger than
// kRowsPerBlock; the blocks around them stay shared.
void TableDocument::ReplaceBlocks(std::size_t first, std::size_t last, Block rows)
{
    std::vector<BlockPtr> made;
    const std::size_t pieces = (rows.size() + kRowsPerBlock - 1) / kRowsPerBlock;
    for (std::size_t p = 0; p < pieces; ++p) {
        const std::size_t from = rows.size() * p / pieces;
        const std::size_t to = rows.size() * (p + 1) / pieces;
        made.push_back(std::make_shared<const Block>(
            std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(from)),
            std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(to))));
    }
    const auto at = m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(first),
                                   m_blocks.begin() + static_cast<std::ptrdiff_t>(last));
    m_blocks.insert(at, std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
    m_starts.resize(m_blocks.size());
    m_rowCount = 0;
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
        m_starts[b] = m_rowCount;
        m_rowCount += m_blocks[b]->size();
    }
}

void TableDocument::Changed()
{
    if (m_pristine)
        m_bytes = std::make_shared<const std::string>();
    m_pristine = false;
}

const std::string &TableDocument::Cell(std::size_t row, std::size_t column) const
{
    if (row >= m_rowCount || column >= ColumnCount())
        return kEmptyCell;
    const Row &found = RowAt(row);
    return column < found.cells.size() ? found.cells[column] : kEmptyCell;
}

bool TableDocument::SetCell(std::size_t row, std::size_t column, std::string text)
{
    if (row >= m_rowCount || column >= ColumnCount() || Cell(row, column) == text)
        return false;
    const auto [block, place] = Locate(row);
    auto copy = std::make_shared<Block>(*m_blocks[block]);
    Row changed = *(*copy)[place];
    if (changed.cells.size() <= column)
        changed.cells.resize(column + 1);
    changed.cells[column] = std::move(text);
    changed.hidden = KeptUnderHeader(changed.hidden, m_header->hidden);
    changed.asRead = false;
    (*copy)[place] = std::make_shared<const Row>(std::move(changed));
    m_blocks[block] = std::move(copy);
    Changed();
    return true;
}

void TableDocument::InsertRow(std::size_t at, std::vector<std::string> fields)
{
    std::vector<std::vector<std::string>> rows;
    rows.push_back(std::move(fields));
    InsertRows(at, std::move(rows));
}

void TableDocument::InsertRows(std::size_t at, std::vector<std::vector<std::string>> rows)
{
    if (rows.empty())
        return;
    at = std::min(at, m_rowCount);
    Block spliced;
    std::size_t first = m_blocks.size();
    std::size_t place = 0;
    if (!m_blocks.empty()) {
        std::tie(first, place) = at == m_rowCount ? std::make_pair(m_blocks.size() - 1,
                                                                   m_blocks.back()->size())
                                                  : Locate(at);
        const Block &old = *m_blocks[first];
        spliced.reserve(old.size() + rows.size());
        spliced.insert(spliced.end(), old.begin(), old.begin() + static_cast<std::ptrdiff_t>(place));
        for (std::vector<std::string> &fields : rows)
            spliced.push_back(MakeInserted(std::move(fields)));
        spliced.insert(spliced.end(), old.begin() + static_cast<std::ptrdiff_t>(place), old.end());
        ReplaceBlocks(first, first + 1, std::move(spliced));
    } else {
        for (std::vector<std::string> &fields : rows)
            spliced.push_back(MakeInserted(std::move(fields)));
        ReplaceBlocks(0, 0, std::move(spliced));
    }
    Changed();
}

void TableDocument::RemoveRows(std::size_t first, std::size_t count)
{
    if (first >= m_rowCount || count == 0)
        return;
    const std::size_t last = std::min(m_rowCount - 1, first + count - 1);
    auto [from, fromPlace] = Locate(first);
    const auto [to, toPlace] = Locate(last);
    Block kept(m_blocks[from]->begin(), m_blocks[from]->begin() + static_cast<std::ptrdiff_t>(fromPlace));
    kept.insert(kept.end(), m_blocks[to]->begin() + static_cast<std::ptrdiff_t>(toPlace) + 1,
                m_blocks[to]->end());
    // A small remainder joins the block before it, so that deletions do not
    // leave a trail of tiny blocks behind.
    if (kept.size() < kRowsPerBlock / 4 && from > 0) {
        --from;
        kept.insert(kept.begin(), m_blocks[from]->begin(), m_blocks[from]->end());
    }
    ReplaceBlocks(from, to + 1, std::move(kept));
    Changed();
}

void TableDocument::AppendRow(std::string &out, const Row &row) const
{
    if (row.asRead) {
        AppendJoined(out, row.cells);
        out += row.hidden;
    } else if (!AllEmpty(row.cells) || !row.hidden.empty()) {
        AppendJoined(out, row.cells);
        out.append(ColumnCount() - row.cells.size(), ';');
        out += row.hidden;
    }
    out += "\r\n";
}

std::string TableDocument::ToBytes() const
{
    if (m_pristine)
        return *m_bytes;
    std::string out;
    out.reserve(m_rowCount * 16 + 64);
    // The captions keep their separators, so the columns survive a save.
    AppendJoined(out, m_header->captions);
    out += m_header->hidden;
    out += "\r\n";
    for (const BlockPtr &block : m_blocks) {
        for (const RowPtr &row : *block)
            AppendRow(out, *row);
    }
    return out;
}

bool TableDocument::operator==(const TableDocument &other) const
{
    if (m_pristine != other.m_pristine || m_rowCount != other.m_rowCount)
        return false;
    if (m_header != other.m_header && *m_header != *other.m_header)
        return false;
    if (m_pristine && m_bytes != other.m_bytes && *m_bytes != *other.m_bytes)
        return false;
    const auto sameRow = [](const RowPtr &a, const RowPtr &b) { return a == b || *a == *b; };
    if (m_starts == other.m_starts) {
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const Block &mine = *m_blocks[b];
            const Block &theirs = *other.m_blocks[b];
            if (m_blocks[b] != other.m_blocks[b]
                && !std::equal(mine.begin(), mine.end(), theirs.begin(), sameRow))
                return false;
        }
        return true;
    }
    std::size_t b = 0;
    std::size_t r = 0;
    for (const BlockPtr &block : m_blocks) {
        for (const RowPtr &row : *block) {
            while (r == other.m_blocks[b]->size()) {
                ++b;
                r = 0;
            }
            if (!sameRow(row, (*other.m_blocks[b])[r++]))
                return false;
        }
    }
    return true;
}

Result<TableDocument> ReadTableDocument(const std::string &path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure(FillText(msg::kErrorsInTable, {path}), path);
    // A table has at least its header line; an empty file has no columns.
    if (bytes->empty())
        return Failure{FillText(msg::kErrorsInTable, {path}), TV_TR("Core", "Input past end of file"),
                       FailureKind::NotThisFormat};
    return TableDocument::FromBytes(std::move(*bytes));
}

Status WriteTableDocument(const TableDocument &document, const std::string &path)
{
    if (const Status written = WriteFileAtomically(path, document.ToBytes()); !written)
        return Failure{FillText(msg::kErrorSavingTable, {path}), written.failure().description, FailureKind::CannotWrite};
    return {};
}

} // namespace tarvello
