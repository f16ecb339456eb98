#pragma once

#include "shell/commandtable.h"

#include <QIcon>

namespace tarvello {

// The platform theme's icon for the command; where the theme has none, the
// program's own drawing of it (drawn at any size, grey when disabled); none for CommandIcon::None.
QIcon iconFor(CommandIcon command);

} // namespace tarvello
