#pragma once

class QMdiSubWindow;

namespace tarvello {

// Keeps window inside its MDI area whenever it grows by itself (Show Design,
// an editor sized for a larger screen) or is shown: it moves left and up as
// far as needed and shrinks only where it is larger than the area. Sizes
// the user drags with the mouse, and maximized windows, are left alone.
void keepChildInsideArea(QMdiSubWindow *window);

} // namespace tarvello
