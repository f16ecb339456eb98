#pragma once

#include "armyunit.h"
#include "platform/documentkinds.h"
#include "armyunits.h"

#include <string>
#include <string_view>
#include <vector>

// The army file (.tva): the army name, the figure directory, the header line
// and one ";"-separated line of 16 fields per unit, Windows-1252 text with
// CR LF line ends.
namespace tarvello {

// The filter of the army file dialogs.
inline constexpr const char *kArmyFileFilter = DocumentKindFacts(DocumentKind::Army).filter;

// What an army file holds, as far as it could be read.
struct ArmyFileContent
{
    std::string name;
    std::string directory;
    std::vector<ArmyUnit> units;
    // The points limit of the third line; empty for none.
    std::string pointsLimit;
    // The third line from its seventeenth field on, and whether a points
    // limit there cannot be read (LimitOfHeader).
    std::string headerTail;
    bool limitUnreadable = false;
    // Number of lines the file holds.
    std::size_t lineCount = 0;
    // Empty when the whole file was read; else the description of what went
    // wrong (the units before the bad line are kept).
    std::string error;
};

// The header line: the 16 unit column headers joined by ";".
std::string ArmyHeaderLine();

// The whole text of an army file; a points limit, when set, is the third
// line's seventeenth field, so that an army without one is written as ever.
// A headerTail read from the file (LimitOfHeader) follows the 16 headers
// instead of the limit, as it was read.
std::string ArmyFileText(const std::string &name, const std::string &directory,
                         const ArmyUnits &units, const std::string &pointsLimit = {},
                         const std::string &headerTail = {});
inline std::string ArmyFileText(const std::string &name, const std::string &directory,
                                const std::vector<ArmyUnit> &units,
                                const std::string &pointsLimit = {})
{
    return ArmyFileText(name, directory, ArmyUnits(units), pointsLimit);
}

// Reads an army file's bytes: line 1 the name, line 2 the directory, line 3
// the header (of which only a points limit is taken), every further line a unit of its first 16 ";"-separated fields.
// A file of fewer than three lines fails with "Input past end of file", a
// line of fewer than 16 fields (an empty line too) with "Subscript out of
// range" and, on a line of its own, the line's number in the file.
ArmyFileContent ParseArmyFile(std::string_view bytes);

// The bytes of an army file with line 2, the figure directory, replaced by
// directory; every other byte, line ends included, stays as it was. Text of
// fewer than two lines is returned unchanged.
std::string WithArmyDirectory(std::string_view bytes, std::string_view directory);

} // namespace tarvello
