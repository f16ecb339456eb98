#include "modloaddata.h"

#include "platform/fileio.h"
#include "platform/modfunctions.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <variant>
#include <vector>

namespace tarvello {

namespace {

// Where one column of a data line goes; the pointer type decides how the field
// is converted. std::monostate is a column that is read past.
using FieldTarget = std::variant<std::monostate, std::string *, std::int16_t *, double *>;

// The columns of a row record, in file order; at most 13 (attack-roll rows).
class ColumnList
{
public:
    ColumnList(std::initializer_list<FieldTarget> columns)
    {
        for (const FieldTarget &column : columns)
            m_columns[m_count++] = column;
    }

    const FieldTarget *begin() const { return m_columns.data(); }
    const FieldTarget *end() const { return m_columns.data() + m_count; }

private:
    std::array<FieldTarget, 13> m_columns;
    std::size_t m_count = 0;
};

ColumnList Columns(ArmorTypeRow &r)
{
    return {&r.Name, &r.GreenHitFactor, &r.LineHitFactor, &r.EliteHitFactor, &r.SpecialHitFactor};
}

ColumnList Columns(RaceRow &r)
{
    return {&r.Name, &r.HitFactorModifier};
}

ColumnList Columns(double &defenseFactor)
{
    return {std::monostate{}, &defenseFactor};
}

ColumnList Columns(MoveRow &r)
{
    return {&r.Name, &r.Move, &r.MoveMultiplier};
}

ColumnList Columns(MeleeWeaponRow &r)
{
    return {&r.Name, &r.MaxDamage, &r.Notes};
}

ColumnList Columns(MissileWeaponRow &r)
{
    return {&r.Name, &r.MaxDamage, &r.AttackRadius, &r.ShortRange, &r.LongRange, &r.Notes};
}

ColumnList Columns(ExtraItemRow &r)
{
    return {&r.Name,       &r.Cost,      &r.MaxDamage, &r.AttackRadius,
            &r.ShortRange, &r.LongRange, &r.Notes};
}

ColumnList Columns(CommandSkillRow &r)
{
    return {&r.Name, &r.InitiativeModifier, &r.Cost};
}

ColumnList Columns(AttackRollRow &r)
{
    return {&r.Damage,   &r.Rolls[0], &r.Rolls[1], &r.Rolls[2], &r.Rolls[3],
            &r.Rolls[4], &r.Rolls[5], &r.Rolls[6], &r.Rolls[7], &r.Rolls[8],
            &r.Rolls[9], &r.MeleeMultiplier, &r.MissileMultiplier};
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

// Reads the data lines of content into table. The first line is discarded,
// exactly empty lines are skipped; the first data row replaces the previous
// rows. On a failure the rows so far stay, the row being filled included, and
// the failure's description is returned.
template<typename Row>
std::optional<std::string> ReadRows(std::vector<Row> &table, std::string_view content,
                                    const std::string &decimalSeparator)
{
    std::optional<std::string> failure;
    bool header = true;
    std::size_t n = 0;
    std::vector<std::string_view> fields;
    ForEachLine(content, [&](std::string_view line) {
        if (failure)
            return;
        if (header) {
            header = false;
            return;
        }
        if (line.empty())
            return;
        SplitFields(line, fields);
        // Row n always starts blank, even where an earlier, longer load left a row.
        table.resize(n);
        table.emplace_back();
        std::size_t column = 0;
        try {
            for (const FieldTarget &target : Columns(table[n])) {
                if (column >= fields.size())
                    throw RuntimeError(errtext::kSubscriptOutOfRange);
                std::visit(FieldWriter(fields[column], decimalSeparator), target);
                ++column;
            }
        } catch (const RuntimeError &error) {
            failure = error.what();
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
        [&](auto member) { return ReadRows(tables.*member, content, tables.DecimalSeparator); },
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
