#include "modloaddata.h"

#include "platform/explaintexts.h"
#include "platform/fileio.h"
#include "platform/modfunctions.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <variant>
#include <vector>

namespace tarvello {

namespace {

// Where one column of a data line goes; the pointer type decides how the field
// is converted. std::monostate is a column that is read past.
using FieldTarget = std::variant<std::monostate, std::string *, std::int16_t *, double *>;

// One field of a row record and the name of its column in the table catalogue.
struct NamedTarget
{
    std::string_view column;
    FieldTarget target;
};

// The fields of a row record by column name; at most 13 (attack-roll rows).
// The order of the columns in a file is the catalogue's, not this list's.
class ColumnList
{
public:
    ColumnList(std::initializer_list<NamedTarget> columns)
    {
        for (const NamedTarget &column : columns)
            m_columns[m_count++] = column;
    }

    const NamedTarget *begin() const { return m_columns.data(); }
    const NamedTarget *end() const { return m_columns.data() + m_count; }
    const FieldTarget &operator[](std::size_t i) const { return m_columns[i].target; }

private:
    std::array<NamedTarget, 13> m_columns;
    std::size_t m_count = 0;
};

ColumnList Columns(ArmorTypeRow &r)
{
    return {{"Name", &r.Name},
            {"GreenHitFactor", &r.GreenHitFactor},
            {"LineHitFactor", &r.LineHitFactor},
            {"EliteHitFactor", &r.EliteHitFactor},
            {"SpecialHitFactor", &r.SpecialHitFactor}};
}

ColumnList Columns(RaceRow &r)
{
    return {{"Name", &r.Name}, {"HitFactorModifier", &r.HitFactorModifier}};
}

// The hit factor column labels the row for people; nothing keeps it.
ColumnList Columns(double &defenseFactor)
{
    return {{"DefenseFactor", &defenseFactor}};
}

ColumnList Columns(MoveRow &r)
{
    return {{"Name", &r.Name}, {"Move", &r.Move}, {"MoveMultiplier", &r.MoveMultiplier}};
}

ColumnList Columns(MeleeWeaponRow &r)
{
    return {{"Name", &r.Name}, {"MaxDamage", &r.MaxDamage}, {"Notes", &r.Notes}};
}

ColumnList Columns(MissileWeaponRow &r)
{
    return {{"Name", &r.Name},           {"MaxDamage", &r.MaxDamage},
            {"AttackRadius", &r.AttackRadius}, {"ShortRange", &r.ShortRange},
            {"LongRange", &r.LongRange}, {"Notes", &r.Notes}};
}

ColumnList Columns(ExtraItemRow &r)
{
    return {{"Name", &r.Name},           {"Cost", &r.Cost},
            {"MaxDamage", &r.MaxDamage}, {"AttackRadius", &r.AttackRadius},
            {"ShortRange", &r.ShortRange}, {"LongRange", &r.LongRange},
            {"Notes", &r.Notes}};
}

ColumnList Columns(CommandSkillRow &r)
{
    return {{"Name", &r.Name}, {"InitiativeModifier", &r.InitiativeModifier}, {"Cost", &r.Cost}};
}

ColumnList Columns(AttackRollRow &r)
{
    return {{"Damage", &r.Damage},    {"Roll1", &r.Rolls[0]}, {"Roll2", &r.Rolls[1]},
            {"Roll3", &r.Rolls[2]},   {"Roll4", &r.Rolls[3]}, {"Roll5", &r.Rolls[4]},
            {"Roll6", &r.Rolls[5]},   {"Roll7", &r.Rolls[6]}, {"Roll8", &r.Rolls[7]},
            {"Roll9", &r.Rolls[8]},   {"Roll10", &r.Rolls[9]},
            {"MeleeMultiplier", &r.MeleeMultiplier},
            {"MissileMultiplier", &r.MissileMultiplier}};
}

// For each column of the catalogue, in file order, the position of its field
// in Columns(Row); kReadPast for a column no field keeps.
constexpr std::size_t kReadPast = ~std::size_t(0);

template<typename Row>
std::vector<std::size_t> FieldOrder(std::span<const TableColumn> columns)
{
    Row probe{};
    const ColumnList named = Columns(probe);
    std::vector<std::size_t> order;
    order.reserve(columns.size());
    for (const TableColumn &column : columns) {
        std::size_t at = kReadPast;
        for (std::size_t i = 0; i < static_cast<std::size_t>(named.end() - named.begin()); ++i) {
            if (named.begin()[i].column == column.field)
                at = i;
        }
        order.push_back(at);
    }
    return order;
}

// Converts one field into its column's target; throws RuntimeError on a failure.
class FieldWriter
{
public:
    FieldWriter(std::string_view field, const std::string &decimalSeparator)
        : m_field(field), m_decimalSeparator(decimalSeparator)
    {}

    void operator()(std::monostate) const {}
    void operator()(std::string *text) const { *text = std::string(m_field); }
    void operator()(std::int16_t *integer) const { *integer = ToInt16(LeadingNumber(m_field)); }
    void operator()(double *decimal) const { *decimal = ParseDecimal(m_field, m_decimalSeparator); }

private:
    std::string_view m_field;
    const std::string &m_decimalSeparator;
};

// The fields of a line split at every ';'; an empty line gives one empty field.
void SplitFields(std::string_view line, std::vector<std::string_view> &fields)
{
    fields.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

// Where a row failed, on a line of its own under the description: "Line 4,
// MaxDamage: 99999", or the fields a short line has.
std::string FieldPlace(std::size_t line, std::span<const TableColumn> columns, std::size_t column,
                       const std::vector<std::string_view> &fields)
{
    constexpr std::size_t kValueShown = 64;
    if (column >= fields.size())
        return FillText(msg::kShortLine, {std::to_string(line), std::to_string(fields.size()),
                                          std::to_string(columns.size()), columns[column].field});
    const std::string_view value = fields[column];
    return FillText(msg::kFieldPlace, {std::to_string(line), columns[column].field,
                                       std::string(value.substr(0, kValueShown))
                                           + (value.size() > kValueShown ? "..." : "")});
}

// Reads the data lines of content into table. The first line is discarded,
// exactly empty lines are skipped; the first data row replaces the previous
// rows. On a failure the rows so far stay, the row being filled included, and
// the failure's description is returned.
template<typename Row>
std::optional<std::string> ReadRows(std::vector<Row> &table, std::span<const TableColumn> columns,
                                    std::string_view content, const std::string &decimalSeparator)
{
    const std::vector<std::size_t> order = FieldOrder<Row>(columns);
    std::optional<std::string> failure;
    std::size_t lineNumber = 0;
    std::size_t n = 0;
    std::vector<std::string_view> fields;
    ForEachLine(content, [&](std::string_view line) {
        if (failure || ++lineNumber == 1)
            return;
        if (line.empty())
            return;
        SplitFields(line, fields);
        // Row n always starts blank, even where an earlier, longer load left a row.
        table.resize(n);
        table.emplace_back();
        std::size_t column = 0;
        try {
            const ColumnList targets = Columns(table[n]);
            for (; column < order.size(); ++column) {
                if (column >= fields.size())
                    throw RuntimeError(errtext::kSubscriptOutOfRange);
                if (order[column] != kReadPast)
                    std::visit(FieldWriter(fields[column], decimalSeparator),
                               targets[order[column]]);
            }
        } catch (const RuntimeError &error) {
            failure = error.what() + ("\r\n" + FieldPlace(lineNumber, columns, column, fields));
            return;
        }
        ++n;
    });
    return failure;
}

} // namespace

Status ReadTableText(TableId table, RulesTables &tables, std::string_view content)
{
    const TableInfo &info = Table(table);
    const std::optional<std::string> failure = std::visit(
        [&](auto member) {
            return ReadRows(tables.*member, info.columns, content, tables.DecimalSeparator);
        },
        info.member);
    if (failure)
        return Failure{info.failureSentence, *failure};
    return {};
}

Status ReadTable(TableId table, RulesTables &tables, const std::string &programFolder)
{
    const TableInfo &info = Table(table);
    const std::string path = JoinPath(programFolder, info.file);
    // A folder under a table's name opens like a file on some systems but
    // reports a nonsense size; it is no more readable than a locked file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return Failure{info.failureSentence, errtext::kPathFileAccess, FailureKind::CannotRead};
    const std::optional<std::string> content = ReadFileBytes(path);
    if (!content)
        return ReadFailure(info.failureSentence, path);
    return ReadTableText(table, tables, *content);
}

void LoadAllTables(RulesTables &tables, const std::string &programFolder,
                   const std::string &decimalSeparator, const TableFailureSink &report)
{
    tables.DecimalSeparator = decimalSeparator;
    for (const TableInfo &info : kTableCatalogue) {
        const Status read = ReadTable(info.id, tables, programFolder);
        if (!read && report)
            report(read.failure());
    }
}

} // namespace tarvello
