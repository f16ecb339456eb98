#include "twips.h"

#include "numbers.h"

namespace tarvello {

int TwipsToPixels(double twips, double dpi)
{
    return static_cast<int>(RoundHalfEven(twips / TwipsPerPixel(dpi)));
}

} // namespace tarvello
