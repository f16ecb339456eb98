#include "figureseries.h"

#include "platform/trtext.h"
#include "rules/rulestables.h"

#include <string>

namespace tarvello {

namespace {

using enum SeriesColumn;

constexpr SeriesColumnSpec Text(SeriesColumn id, const char *header, const char *key)
{
    return {id, header, key, ColumnKind::Text, ColumnAlign::Left};
}

constexpr SeriesColumnSpec Number(SeriesColumn id, const char *header)
{
    return {id, header, header, ColumnKind::Integer, ColumnAlign::Right};
}

constexpr SeriesColumnSpec kMelee[] = {Text(Name, TV_TR("Core", "Weapon"), "Name"), Number(MaxDamage, TV_TR("Core", "Max Damage")),
                                       Text(Notes, TV_TR("Core", "Notes"), "Notes")};
constexpr SeriesColumnSpec kMissile[] = {
    Text(Name, TV_TR("Core", "Weapon"), "Name"), Number(MaxDamage, TV_TR("Core", "Max Damage")),
    Number(AttackRadius, TV_TR("Core", "Attack Radius")), Number(ShortRange, TV_TR("Core", "Short")), Number(LongRange, TV_TR("Core", "Long")),
    Number(Shots, TV_TR("Core", "Shots")), Text(Notes, TV_TR("Core", "Notes"), "Notes")};
constexpr SeriesColumnSpec kMissileAvailable[] = {
    Text(Name, TV_TR("Core", "Weapon"), "Name"), Number(MaxDamage, TV_TR("Core", "Max Damage")),
    Number(AttackRadius, TV_TR("Core", "Attack Radius")), Number(ShortRange, TV_TR("Core", "Short")), Number(LongRange, TV_TR("Core", "Long")),
    Text(Notes, TV_TR("Core", "Notes"), "Notes")};
constexpr SeriesColumnSpec kItems[] = {
    Text(Name, TV_TR("Core", "Item"), "Name"), Number(Cost, TV_TR("Core", "Cost")), Number(MaxDamage, TV_TR("Core", "Max Damage")),
    Number(AttackRadius, TV_TR("Core", "Attack Radius")), Number(ShortRange, TV_TR("Core", "Short")), Number(LongRange, TV_TR("Core", "Long")),
    Text(Notes, TV_TR("Core", "Notes"), "Notes")};

const SeriesSchema kSchemas[] = {
    {"MeleeWeapon", kMelee, kMelee, &FigureInputs::lvwMeleeWeaponsSelected,
     &AvailableLists::lvwMeleeWeapons},
    {"MissileWeapon", kMissile, kMissileAvailable, &FigureInputs::lvwMissileWeaponsSelected,
     &AvailableLists::lvwMissileWeapons},
    {"ExtraItem", kItems, kItems, &FigureInputs::lvwExtraItemsSelected,
     &AvailableLists::lvwExtraItems},
};

std::string IntText(std::int16_t value)
{
    return std::to_string(value);
}

template<typename Row, typename Fn>
std::vector<ListRow> RowsOf(const std::vector<Row> &rows, Fn &&cells)
{
    std::vector<ListRow> result;
    result.reserve(rows.size());
    for (const Row &row : rows)
        result.push_back(cells(row));
    return result;
}

} // namespace

int SeriesSchema::Index(SeriesColumn column) const
{
    for (std::size_t i = 0; i < selected.size(); ++i) {
        if (selected[i].id == column)
            return static_cast<int>(i);
    }
    return -1;
}

const SeriesSchema &Schema(FigureSeries series)
{
    return kSchemas[static_cast<std::size_t>(series)];
}

std::vector<ListRow> &SelectedRows(FigureInputs &inputs, FigureSeries series)
{
    return inputs.*Schema(series).selectedRows;
}

const std::vector<ListRow> &SelectedRows(const FigureInputs &inputs, FigureSeries series)
{
    return inputs.*Schema(series).selectedRows;
}

std::vector<ListRow> &AvailableRows(AvailableLists &lists, FigureSeries series)
{
    return lists.*Schema(series).availableRows;
}

const std::vector<ListRow> &AvailableRows(const AvailableLists &lists, FigureSeries series)
{
    return lists.*Schema(series).availableRows;
}

std::vector<ListRow> TableRows(const RulesTables &tables, FigureSeries series)
{
    switch (series) {
    case FigureSeries::Melee:
        return RowsOf(tables.MeleeWeapons, [](const MeleeWeaponRow &r) -> ListRow {
            return {r.Name, IntText(r.MaxDamage), r.Notes};
        });
    case FigureSeries::Missile:
        return RowsOf(tables.MissileWeapons, [](const MissileWeaponRow &r) -> ListRow {
            return {r.Name, IntText(r.MaxDamage), IntText(r.AttackRadius), IntText(r.ShortRange),
                    IntText(r.LongRange), r.Notes};
        });
    case FigureSeries::ExtraItem:
        break;
    }
    return RowsOf(tables.ExtraItems, [](const ExtraItemRow &r) -> ListRow {
        return {r.Name, IntText(r.Cost), IntText(r.MaxDamage), IntText(r.AttackRadius),
                IntText(r.ShortRange), IntText(r.LongRange), r.Notes};
    });
}

ListRow SelectedFromAvailable(FigureSeries series, const ListRow &available)
{
    const SeriesSchema &schema = Schema(series);
    ListRow row = available;
    row.resize(schema.available.size());
    const int shots = schema.Index(Shots);
    if (shots >= 0)
        row.insert(row.begin() + shots, "0");
    return row;
}

const std::string &Cell(const ListRow &row, FigureSeries series, SeriesColumn column)
{
    static const std::string empty;
    const int index = Schema(series).Index(column);
    return index >= 0 && static_cast<std::size_t>(index) < row.size()
               ? row[static_cast<std::size_t>(index)]
               : empty;
}

} // namespace tarvello
