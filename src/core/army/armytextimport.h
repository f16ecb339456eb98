#pragma once

#include "armyunit.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// An army brought back in from text: the army editor's own export, or a
// simple list of one unit a line ("3 x Spearman", "Spearman x3", "10
// Spearman", "3x Spearman (size 10)"), matched by name against the figures
// of a folder. Texts are Windows-1252, as the army's fields are.
namespace tarvello {

// A line of the text that gave no unit, and why ("no figure of this name",
// "2 figures of this name").
struct RefusedTextLine
{
    // The line's number in the text, from 1.
    std::size_t lineNumber = 0;
    std::string text;
    std::string reason;
};

// What a text brings back: the army's name (the first line of an export),
// its points limit (empty: none), the unit lines in the text's order, never
// merged, each with its figure's summary, and the lines that gave none.
struct ArmyFromText
{
    std::string name;
    std::string pointsLimit;
    std::vector<ArmyUnit> units;
    std::vector<RefusedTextLine> refused;
    // True when the text was read as the army editor's export.
    bool fromExport = false;
};

// Reads text against figures (a folder's scan). A figure is the one whose
// name, as an army line keeps it, is the line's name exactly; else the one
// whose name is the same ignoring case and surrounding blanks; none or more
// than one refuse the line. A line "Points Limit: 1000" or "1000 points" sets
// the limit. Time grows with the text's and the figures' length alone.
ArmyFromText ImportArmyText(std::string_view text, const std::vector<FigureSummary> &figures);

} // namespace tarvello
