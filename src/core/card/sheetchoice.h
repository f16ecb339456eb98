#pragma once

#include <cstdint>

// Which cards "Print Cards" prints for the choice a player made.
namespace tarvello {

// An army's cards one way or another: one per line, per unit or per figure.
enum class SheetCardsPer { Line, Unit, Figure };

// The cards an army offers each way.
struct ArmyCardCounts
{
    std::int64_t perLine = 0;
    std::int64_t perUnit = 0;
    std::int64_t perFigure = 0;
};

// The way the two options choose: per figure before per unit, else per line.
SheetCardsPer ChosenCardsPer(bool perUnit, bool perFigure);

// The cards a sheet prints: copies of one figure (forArmy false), or the
// army's cards the chosen way.
std::int64_t ChosenCards(bool forArmy, const ArmyCardCounts &counts, SheetCardsPer per,
                         int copies);

} // namespace tarvello
