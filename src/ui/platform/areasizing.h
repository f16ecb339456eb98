#pragma once

#include <QSize>

class QMdiSubWindow;

namespace tarvello {

// Gives a sub-window the size wanted, cut to its area but never below what
// its controls need (the area scrolls instead), and keeps it at the area's
// edge. A window cut down because the area had not reached its final size
// (files opened from the command line, at start) grows with the area, as long
// as the user has not sized it, until it has the size any window opened later
// gets.
void sizeInArea(QMdiSubWindow *frame, QSize wanted);

} // namespace tarvello
