#pragma once

#include <Qt>

namespace tarvello {

// Keys as the cell editor reports them to its owner: the keyboard's virtual
// key codes (13 Enter, 27 Escape, 38 Up, 65 the A key, 51 the key of "3" and
// "#" ...) and the shift state 1 Shift + 2 Ctrl + 4 Alt.
int virtualKeyCode(int qtKey);
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace tarvello
