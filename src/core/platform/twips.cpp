#include "twips.h"

#include "numbers.h"

namespace tarvello {

int TwipsToPixels(double twips, double dpi)
{
    return ToInt32(twips / TwipsPerPixel(dpi));
}

} // namespace tarvello
