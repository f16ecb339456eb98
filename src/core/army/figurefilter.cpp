#include "figurefilter.h"

#include "platform/numbers.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace tarvello {

namespace {

constexpr SummaryField kSearched[] = {kFigureName, kRace, kFigureType, kMeleeList, kMissileList};

// A Windows-1252 letter in lower case: A..Z, the accented capitals and the
// four capitals of 0x8A..0x9F.
unsigned char Fold(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

bool SameLetter(char a, char b)
{
    return Fold(static_cast<unsigned char>(a)) == Fold(static_cast<unsigned char>(b));
}

bool Contains(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), SameLetter)
           != text.end();
}

// A text starts with a number when, after blanks, an optional sign and an
// optional point, a digit follows.
bool StartsWithNumber(std::string_view text)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

struct SortKey
{
    bool number = false;
    double value = 0;
    std::string folded;
};

SortKey KeyOf(std::string_view text)
{
    SortKey key;
    key.number = StartsWithNumber(text);
    if (key.number) {
        key.value = LeadingNumber(text);
        return key;
    }
    key.folded.reserve(text.size());
    for (const char c : text)
        key.folded.push_back(static_cast<char>(Fold(static_cast<unsigned char>(c))));
    return key;
}

// Negative, 0 or positive as a sorts before, with or after b.
int Compare(const SortKey &a, const SortKey &b)
{
    if (a.number != b.number)
        return a.number ? -1 : 1;
    if (a.number)
        return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    // Bytes compared unsigned, so that accented letters follow z.
    return std::string_view(a.folded).compare(b.folded);
}

} // namespace

bool FigureMatches(const FigureSummary &figure, std::string_view text)
{
    if (text.empty())
        return true;
    return std::any_of(std::begin(kSearched), std::end(kSearched), [&](SummaryField field) {
        return Contains(figure.fields[field], text);
    });
}

std::vector<std::size_t> FilterFigures(const std::vector<FigureSummary> &figures,
                                       std::string_view text)
{
    std::vector<std::size_t> rows;
    rows.reserve(figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (FigureMatches(figures[i], text))
            rows.push_back(i);
    }
    return rows;
}

void SortRows(std::vector<std::size_t> &rows, const CellText &cell, bool descending)
{
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const std::size_t row : rows)
        keys.push_back(KeyOf(cell(row)));
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
        const int compared = Compare(keys[a], keys[b]);
        return descending ? compared > 0 : compared < 0;
    });
    std::vector<std::size_t> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(rows[i]);
    rows = std::move(sorted);
}

} // namespace tarvello
