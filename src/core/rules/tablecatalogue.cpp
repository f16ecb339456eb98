#include "tablecatalogue.h"

#include <filesystem>
#include <system_error>

namespace tarvello {

namespace {

constexpr bool InIdOrderWithDistinctMenuPositions()
{
    std::array<bool, kTableCatalogue.size()> taken{};
    for (std::size_t i = 0; i < kTableCatalogue.size(); ++i) {
        const TableInfo &table = kTableCatalogue[i];
        if (static_cast<std::size_t>(table.id) != i || table.menuPosition < 0
            || static_cast<std::size_t>(table.menuPosition) >= taken.size()
            || taken[static_cast<std::size_t>(table.menuPosition)])
            return false;
        taken[static_cast<std::size_t>(table.menuPosition)] = true;
    }
    return true;
}

static_assert(InIdOrderWithDistinctMenuPositions(),
              "the catalogue lists the tables in TableId order, each at its own menu position");

} // namespace

std::string TableCaption(const TableInfo &table)
{
    std::string caption;
    for (const char *c = table.menuCaption; *c; ++c) {
        if (*c != '&')
            caption += *c;
    }
    return caption;
}

std::array<const TableInfo *, kTableCatalogue.size()> TablesInMenuOrder()
{
    std::array<const TableInfo *, kTableCatalogue.size()> order{};
    for (const TableInfo &table : kTableCatalogue)
        order[static_cast<std::size_t>(table.menuPosition)] = &table;
    return order;
}

bool IsProgramTableFile(const std::string &programFolder, const std::string &path)
{
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string name = file.filename().string();
    bool known = false;
    for (const TableInfo &table : kTableCatalogue)
        known = known || name == table.file;
    std::error_code error;
    return known && fs::equivalent(file.parent_path(), fs::path(programFolder), error);
}

} // namespace tarvello
