#include "armytextimport.h"

#include "figuresummary.h"
#include "platform/asciitext.h"
#include "platform/fileio.h"
#include "platform/messagetexts.h"

#include <optional>
#include <unordered_map>
#include <utility>

namespace tarvello {

namespace {

constexpr std::string_view kUnitsLabel = "No of units : ";
constexpr std::string_view kSizeLabel = "Unit Size : ";
constexpr std::size_t kMaxDigits = 9;
constexpr char kTimes = '\xD7'; // the multiplication sign of Windows-1252

std::string_view Trimmed(std::string_view text)
{
    return TrimBlanks(text);
}

// A Windows-1252 letter in lower case (the other characters as they are).
char Lower(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    if (u == 0x8A || u == 0x8C || u == 0x8E)
        return static_cast<char>(u + 0x10);
    return u == 0x9F ? '\xFF' : c;
}

std::string Folded(std::string_view text)
{
    std::string folded(Trimmed(text));
    for (char &c : folded)
        c = Lower(c);
    return folded;
}

bool StartsNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole number of 1 to kMaxDigits digits that text is, without leading
// zeros; nullopt for anything else.
std::optional<std::string> WholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > kMaxDigits)
        return std::nullopt;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
    }
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    return std::string(text);
}

std::size_t DigitsAt(std::string_view text, std::size_t pos)
{
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - pos;
}

// "Points Limit: 1000", "points limit 1000", "1000 points", "1000 pts".
std::optional<std::string> LimitOfLine(std::string_view line)
{
    constexpr std::string_view kLabel = "points limit";
    if (StartsNoCase(line, kLabel)) {
        std::string_view rest = Trimmed(line.substr(kLabel.size()));
        if (!rest.empty() && (rest.front() == ':' || rest.front() == '='))
            rest = Trimmed(rest.substr(1));
        return WholeNumber(rest);
    }
    const std::size_t digits = DigitsAt(line, 0);
    if (digits == 0)
        return std::nullopt;
    const std::string word = Folded(line.substr(digits));
    if (word != "points" && word != "pts" && word != "pts.")
        return std::nullopt;
    return WholeNumber(line.substr(0, digits));
}

// A line of a simple list: the count (empty when none is given), the unit
// size and the figure's name.
struct ListedUnit
{
    std::string count;
    std::string size = "1";
    std::string_view name;
};

// Takes a final "(size N)" off name; false when it is there but N is no
// whole number.
bool TakeSize(std::string_view &name, ListedUnit &unit)
{
    if (name.empty() || name.back() != ')')
        return true;
    const std::size_t open = name.rfind('(');
    if (open == std::string_view::npos)
        return true;
    const std::string_view inside = Trimmed(name.substr(open + 1, name.size() - open - 2));
    if (!StartsNoCase(inside, "size") || inside.size() == 4 || !IsBlank(inside[4]))
        return true;
    const std::optional<std::string> size = WholeNumber(Trimmed(inside.substr(4)));
    if (!size)
        return false;
    unit.size = *size;
    name = Trimmed(name.substr(0, open));
    return true;
}

bool IsTimes(char c)
{
    return c == 'x' || c == 'X' || c == kTimes;
}

// "3 x Name", "3x Name", "3 Name", "Name x3", "Name"; each with an optional
// "(size N)" at its end. nullopt for a size that is no whole number.
std::optional<ListedUnit> ListedUnitOf(std::string_view line)
{
    ListedUnit unit;
    const std::size_t digits = DigitsAt(line, 0);
    std::string_view name = line;
    if (digits > 0 && digits < line.size()) {
        std::string_view rest = line.substr(digits);
        const bool blank = IsBlank(rest.front());
        rest = Trimmed(rest);
        if (rest.size() > 1 && IsTimes(rest.front()) && IsBlank(rest[1]))
            rest = Trimmed(rest.substr(1));
        else if (!blank)
            rest = {};
        if (!rest.empty()) {
            unit.count = std::string(line.substr(0, digits));
            name = rest;
        }
    }
    if (!TakeSize(name, unit))
        return std::nullopt;
    if (unit.count.empty()) {
        const std::size_t blank = name.find_last_of(" \t");
        if (blank != std::string_view::npos && blank + 2 < name.size() && IsTimes(name[blank + 1])
            && DigitsAt(name, blank + 2) == name.size() - blank - 2) {
            unit.count = std::string(name.substr(blank + 2));
            name = Trimmed(name.substr(0, blank));
        }
    }
    unit.name = name;
    return unit;
}

// The figures of a folder by name, exactly and ignoring case and blanks.
class FigureIndex
{
public:
    // Each figure's summary as an army line keeps it, made once.
    explicit FigureIndex(const std::vector<FigureSummary> &figures)
    {
        m_figures.reserve(figures.size());
        for (std::size_t i = 0; i < figures.size(); ++i) {
            FigureSummary fields;
            for (std::size_t f = 0; f < kSummaryFields; ++f)
                fields.fields[f] = UnitFieldText(figures[i].fields[f]);
            m_exact[fields.fields[kFigureName]].push_back(i);
            m_folded[Folded(fields.fields[kFigureName])].push_back(i);
            m_figures.push_back(std::move(fields));
        }
    }

    // The unit fields of the figure of name, or why there is none.
    std::pair<const FigureSummary *, std::string> Find(std::string_view name) const
    {
        const std::vector<std::size_t> *found = Lookup(m_exact, std::string(name));
        if (!found)
            found = Lookup(m_folded, Folded(name));
        if (!found)
            return {nullptr, TV_TR("Core", "no figure of this name")};
        if (found->size() > 1)
            return {nullptr, FillText(msg::kSeveralFigures, {std::to_string(found->size())})};
        return {&m_figures[found->front()], {}};
    }

private:
    using Names = std::unordered_map<std::string, std::vector<std::size_t>>;
    static const std::vector<std::size_t> *Lookup(const Names &names, const std::string &key)
    {
        const auto it = names.find(key);
        return it == names.end() ? nullptr : &it->second;
    }

    std::vector<FigureSummary> m_figures;
    Names m_exact;
    Names m_folded;
};

// A unit line of figure's unit fields.
ArmyUnit UnitOf(std::string count, std::string size, const FigureSummary &figure)
{
    ArmyUnit unit;
    unit.Count() = std::move(count);
    unit.Size() = std::move(size);
    for (std::size_t i = 0; i < kSummaryFields; ++i)
        unit.fields[i + 2] = figure.fields[i];
    return unit;
}

void AddUnit(ArmyFromText &army, const FigureIndex &index, std::size_t number,
             std::string_view line, std::string_view name, std::string count, std::string size)
{
    const auto [figure, reason] = index.Find(name);
    if (figure)
        army.units.push_back(UnitOf(std::move(count), std::move(size), *figure));
    else
        army.refused.push_back({number, std::string(line), reason});
}

std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

// The export's "No of units : N<tab>Unit Size : S" line: count and size as
// written.
std::pair<std::string, std::string> CountAndSize(std::string_view line)
{
    line.remove_prefix(kUnitsLabel.size());
    const std::size_t tab = line.find('\t');
    std::string count(line.substr(0, tab));
    std::string size;
    if (tab != std::string_view::npos) {
        const std::string_view rest = line.substr(tab + 1);
        size = std::string(rest.starts_with(kSizeLabel) ? rest.substr(kSizeLabel.size()) : rest);
    }
    return {std::move(count), std::move(size)};
}

// The export: its first line "name (total pts)", then per unit an empty
// line, the figure's name and "No of units : ...".
bool IsExport(const std::vector<std::string_view> &lines)
{
    if (lines.empty() || !lines.front().ends_with(" pts)")
        || lines.front().rfind(" (") == std::string_view::npos)
        return false;
    return lines.size() == 1 || (lines.size() > 3 && lines[1].empty() && lines[3].starts_with(kUnitsLabel));
}

void ReadExport(const std::vector<std::string_view> &lines, const FigureIndex &index,
                ArmyFromText &army)
{
    army.fromExport = true;
    army.name = std::string(lines.front().substr(0, lines.front().rfind(" (")));
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (!lines[i - 1].empty() || !lines[i + 1].starts_with(kUnitsLabel))
            continue;
        auto [count, size] = CountAndSize(lines[i + 1]);
        AddUnit(army, index, i + 1, lines[i], lines[i], std::move(count), std::move(size));
    }
}

void ReadList(const std::vector<std::string_view> &lines, const FigureIndex &index,
              ArmyFromText &army)
{
    army.units.reserve(lines.size()); // at most one unit a line
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = Trimmed(lines[i]);
        if (line.empty())
            continue;
        if (std::optional<std::string> limit = LimitOfLine(line)) {
            army.pointsLimit = std::move(*limit);
            continue;
        }
        std::optional<ListedUnit> unit = ListedUnitOf(line);
        if (!unit) {
            army.refused.push_back({i + 1, std::string(line), "the unit size is no whole number"});
            continue;
        }
        std::optional<std::string> count = WholeNumber(unit->count.empty() ? "1" : unit->count);
        if (!count || *count == "0" || unit->size == "0") {
            army.refused.push_back({i + 1, std::string(line), "a count or size of 0, or too many digits"});
            continue;
        }
        AddUnit(army, index, i + 1, line, unit->name, std::move(*count), std::move(unit->size));
    }
}

} // namespace

ArmyFromText ImportArmyText(std::string_view text, const std::vector<FigureSummary> &figures)
{
    const FigureIndex index(figures);
    const std::vector<std::string_view> lines = LinesOf(text);
    ArmyFromText army;
    if (IsExport(lines))
        ReadExport(lines, index, army);
    else
        ReadList(lines, index, army);
    return army;
}

} // namespace tarvello
