#pragma once

namespace tarvello {

class QtDialogs;

// Gives the program's dialogs the dialogs the cards bring ("Print Cards").
void registerCardDialogs(QtDialogs &dialogs);

} // namespace tarvello
