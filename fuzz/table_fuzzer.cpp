#include "rules/modloaddata.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Feeds arbitrary bytes as the content of every table file, in both decimal
// marks, on top of a table already holding rows from the previous input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static tarvello::RulesTables tables;
    const std::string_view content(reinterpret_cast<const char *>(data), size);
    for (const char *separator : {".", ","}) {
        tables.DecimalSeparator = separator;
        for (int id = 0; id <= static_cast<int>(tarvello::TableId::EliteAttackRolls); ++id) {
            const tarvello::Status read = tarvello::ReadTableText(static_cast<tarvello::TableId>(id), tables, content);
            if (!read && read.failure().description.empty())
                __builtin_trap();
        }
    }
    return 0;
}
