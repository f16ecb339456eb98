#include "tabledocument.h"

#include "platform/fileio.h"

#include <algorithm>
#include <cstring>

namespace tarvello {

namespace {

const std::string kEmptyCell;

// Splits at every ";"; an empty text is one empty field.
std::vector<std::string> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
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

bool AllEmpty(const std::vector<std::string> &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string &c) { return c.empty(); });
}

} // namespace

TableDocument::Row TableDocument::MakeRow(std::string_view line) const
{
    Row row;
    row.cells.reserve(m_captions.size());
    std::size_t start = 0;
    bool more = true;
    while (more && row.cells.size() < m_captions.size()) {
        const std::size_t end = line.find(';', start);
        more = end != std::string_view::npos;
        row.cells.emplace_back(line.substr(start, more ? end - start : std::string_view::npos));
        start = end + 1;
    }
    const bool extraFields = more;
    // A line of fewer fields is padded; writing it would add separators.
    const bool padded = row.cells.size() < m_captions.size() && !line.empty();
    row.cells.resize(m_captions.size());
    if (extraFields || padded) {
        row.original.assign(line);
        row.keepOriginal = true;
    }
    return row;
}

TableDocument TableDocument::FromBytes(std::string bytes)
{
    TableDocument document;
    bool header = true;
    EachLine(bytes, [&document, &header](std::string_view line) {
        if (header) {
            document.m_captions = SplitFields(line);
            header = false;
        } else {
            document.m_rows.push_back(document.MakeRow(line));
        }
    });
    if (header)
        document.m_captions.emplace_back();
    document.m_bytes = std::move(bytes);
    document.m_pristine = true;
    return document;
}

const std::string &TableDocument::Cell(std::size_t row, std::size_t column) const
{
    if (row >= m_rows.size() || column >= m_captions.size())
        return kEmptyCell;
    return m_rows[row].cells[column];
}

bool TableDocument::SetCell(std::size_t row, std::size_t column, std::string text)
{
    if (row >= m_rows.size() || column >= m_captions.size())
        return false;
    Row &target = m_rows[row];
    if (target.cells[column] == text)
        return false;
    target.cells[column] = std::move(text);
    target.keepOriginal = false;
    target.original.clear();
    m_pristine = false;
    return true;
}

void TableDocument::InsertRow(std::size_t at, std::vector<std::string> fields)
{
    fields.resize(m_captions.size());
    Row row;
    row.cells = std::move(fields);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(std::min(at, m_rows.size())),
                  std::move(row));
    m_pristine = false;
}

void TableDocument::RemoveRow(std::size_t at)
{
    if (at >= m_rows.size())
        return;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at));
    m_pristine = false;
}

void TableDocument::AppendJoined(std::string &out, const std::vector<std::string> &cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out.push_back(';');
        out += cells[c];
    }
}

std::string TableDocument::ToBytes() const
{
    if (m_pristine)
        return m_bytes;
    std::string out;
    out.reserve(m_bytes.size() + m_rows.size() * 2 + 64);
    // The captions keep their separators, so the columns survive a save.
    AppendJoined(out, m_captions);
    out += "\r\n";
    for (const Row &row : m_rows) {
        if (row.keepOriginal)
            out += row.original;
        else if (!AllEmpty(row.cells))
            AppendJoined(out, row.cells);
        out += "\r\n";
    }
    return out;
}

Result<TableDocument> ReadTableDocument(const std::string &path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return ReadFailure("Errors in table " + path, path);
    // A table has at least its header line; an empty file has no columns.
    if (bytes->empty())
        return Failure{"Errors in table " + path, "Input past end of file",
                       FailureKind::NotThisFormat};
    return TableDocument::FromBytes(std::move(*bytes));
}

Status WriteTableDocument(const TableDocument &document, const std::string &path)
{
    if (const Status written = WriteFileAtomically(path, document.ToBytes()); !written)
        return Failure{"Error in savin resource file " + path, written.failure().description, FailureKind::CannotWrite};
    return {};
}

} // namespace tarvello
