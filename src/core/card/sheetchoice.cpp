#include "sheetchoice.h"

namespace tarvello {

SheetCardsPer ChosenCardsPer(bool perUnit, bool perFigure)
{
    if (perFigure)
        return SheetCardsPer::Figure;
    return perUnit ? SheetCardsPer::Unit : SheetCardsPer::Line;
}

std::int64_t ChosenCards(bool forArmy, const ArmyCardCounts &counts, SheetCardsPer per,
                         int copies)
{
    if (!forArmy)
        return copies;
    switch (per) {
    case SheetCardsPer::Figure:
        return counts.perFigure;
    case SheetCardsPer::Unit:
        return counts.perUnit;
    case SheetCardsPer::Line:
        break;
    }
    return counts.perLine;
}

} // namespace tarvello
