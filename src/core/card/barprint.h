#pragma once

#include "drawtarget.h"

#include "figure/pointsbar.h"

#include <string>

// A points bar on paper: its parts in black and white patterns, the limit's
// mark, and a legend naming each part with its points.
namespace tarvello {

// The height, in twips, that PrintPointsBar takes for bar (its legend has
// three entries a row).
int PointsBarHeight(const PointsBar &bar);

// Prints bar with its top-left corner at x, y, width twips wide, in the font
// fontName; takes PointsBarHeight(bar) twips.
void PrintPointsBar(ICardTarget &page, const PointsBar &bar, int x, int y, int width,
                    const std::string &fontName);

} // namespace tarvello
