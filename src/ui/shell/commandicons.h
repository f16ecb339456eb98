#pragma once

#include <QIcon>

namespace tarvello {

// The commands the toolbar and the start area show with a picture.
enum class CommandIcon { NewFigure, OpenFigure, NewArmy, OpenArmy, Save, Print, PrintPreview, Undo, Redo };

// The platform theme's icon for the command; where the theme has none, the
// program's own drawing of it (drawn at any size, grey when disabled).
QIcon iconFor(CommandIcon command);

} // namespace tarvello
